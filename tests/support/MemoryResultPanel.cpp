#include "tests/support/MemoryResultPanel.h"

void MemoryResultPanel::ClearRows() {
    calls.emplace_back("ClearRows");
    rows.clear();
}

void MemoryResultPanel::AddRow(std::string_view text) {
    if (calls.empty() || calls.back() != "AddRow")
        calls.emplace_back("AddRow");
    rows.emplace_back(text);
}

void MemoryResultPanel::AddMarkedRow(std::string_view text, std::size_t begin, std::size_t end) {
    marks.push_back({rows.size(), begin, end});
    AddRow(text);
}

void MemoryResultPanel::SetFileNames(std::string_view first, std::string_view second) {
    calls.emplace_back("SetFileNames");
    name1 = first;
    name2 = second;
}

void MemoryResultPanel::SetLengthVerdict(std::string_view text) {
    calls.emplace_back("SetLengthVerdict");
    lengthVerdict = text;
}

void MemoryResultPanel::SetDifferenceSummary(std::string_view text) {
    calls.emplace_back("SetDifferenceSummary");
    differenceSummary = text;
}
