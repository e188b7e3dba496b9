#pragma once

#include "compare/ResultPanel.h"

#include <cstddef>
#include <string>
#include <vector>

// A ResultPanel that keeps rows and labels in memory, so the comparisons can run without a
// window. `calls` names the operations in the order they came, a run of AddRow calls once.
class MemoryResultPanel : public ResultPanel {
public:
    void ClearRows() override;
    void AddRow(std::string_view text) override;
    void AddMarkedRow(std::string_view text, std::size_t begin, std::size_t end) override;
    void SetFileNames(std::string_view name1, std::string_view name2) override;
    void SetLengthVerdict(std::string_view text) override;
    void SetDifferenceSummary(std::string_view text) override;

    std::vector<std::string> rows;
    // For each marked row, its index and the bytes marked.
    struct Mark {
        std::size_t row;
        std::size_t begin;
        std::size_t end;
        bool operator==(const Mark&) const = default;
    };
    std::vector<Mark> marks;
    std::string name1;
    std::string name2;
    std::string lengthVerdict;
    std::string differenceSummary;
    std::vector<std::string> calls;
};
