#include "ui/DialogResultPanel.h"

#include "platform/qt/ListBox.h"
#include "platform/qt/Static.h"

DialogResultPanel::DialogResultPanel(CListBox& resultList, CStatic& name1Label, CStatic& name2Label,
                                     CStatic& lengthLabel, CStatic& summaryLabel)
    : resultList_(resultList), name1Label_(name1Label), name2Label_(name2Label),
      lengthLabel_(lengthLabel), summaryLabel_(summaryLabel) {}

void DialogResultPanel::ClearRows() {
    resultList_.ResetContent();
}

void DialogResultPanel::AddRow(std::string_view text) {
    resultList_.AddString(text);
}

void DialogResultPanel::AddMarkedRow(std::string_view text, std::size_t begin, std::size_t end) {
    resultList_.MarkRow(resultList_.AddString(text), begin, end);
}

void DialogResultPanel::SetFileNames(std::string_view name1, std::string_view name2) {
    name1Label_.SetWindowText(name1);
    name2Label_.SetWindowText(name2);
}

void DialogResultPanel::SetLengthVerdict(std::string_view text) {
    lengthLabel_.SetWindowText(text);
}

void DialogResultPanel::SetDifferenceSummary(std::string_view text) {
    summaryLabel_.SetWindowText(text);
}
