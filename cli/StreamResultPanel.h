#pragma once

#include "ResultPanel.h"

#include <cstdio>
#include <string>

// A ResultPanel that prints to a stream: the names and every row as they come, each row's
// bytes unchanged, and the length verdict and the summary at the end, when Finish is called.
class StreamResultPanel : public ResultPanel {
public:
    explicit StreamResultPanel(std::FILE* stream) : stream_(stream) {}

    void ClearRows() override {}
    void AddRow(std::string_view text) override;
    void SetFileNames(std::string_view name1, std::string_view name2) override;
    void SetLengthVerdict(std::string_view text) override;
    void SetDifferenceSummary(std::string_view text) override;

    void Finish();

private:
    void WriteLine(std::string_view label, std::string_view text);

    std::FILE* stream_;
    std::string lengthVerdict_;
    std::string differenceSummary_;
};
