#pragma once

#include "compare/ResultPanel.h"

// A ResultPanel that shows nothing, for a run whose exit status is the whole answer.
class QuietResultPanel : public ResultPanel {
public:
    void ClearRows() override {}
    void AddRow(std::string_view) override {}
    void SetFileNames(std::string_view, std::string_view) override {}
    void SetLengthVerdict(std::string_view) override {}
    void SetDifferenceSummary(std::string_view) override {}
};
