#pragma once

#include "compare/ResultPanel.h"

#include <cstdio>
#include <string>

// How rows and names are printed: their bytes unchanged, for a pipe or a file, or as the window
// shows them (UTF-8, else Shift-JIS, control bytes as visible symbols), for a terminal.
enum class RowForm { Bytes, Screen };

// A ResultPanel that prints to a stream: the names and every row as they come, and the length
// verdict and the summary at the end, when Finish is called.
class StreamResultPanel : public ResultPanel {
public:
    StreamResultPanel(std::FILE* stream, RowForm form) : stream_(stream), form_(form) {}

    void ClearRows() override {}
    void AddRow(std::string_view text) override;
    void SetFileNames(std::string_view name1, std::string_view name2) override;
    void SetLengthVerdict(std::string_view text) override;
    void SetDifferenceSummary(std::string_view text) override;

    void Finish();

private:
    void WriteLine(std::string_view label, std::string_view text);

    std::FILE* stream_;
    RowForm form_;
    std::string lengthVerdict_;
    std::string differenceSummary_;
};
