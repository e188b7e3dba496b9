#pragma once

#include "ResultPanel.h"

#include <string>
#include <vector>

// A ResultPanel that keeps rows and labels in memory, with the names of the operations in
// the order they were called, so the comparisons can run without a window.
class MemoryResultPanel : public ResultPanel {
public:
    void ClearRows() override;
    void AddRow(std::string_view text) override;
    void SetFileNames(std::string_view name1, std::string_view name2) override;
    void SetLengthVerdict(std::string_view text) override;
    void SetDifferenceSummary(std::string_view text) override;

    std::vector<std::string> rows;
    std::string name1;
    std::string name2;
    std::string lengthVerdict;
    std::string differenceSummary;
    std::vector<std::string> calls;
};
