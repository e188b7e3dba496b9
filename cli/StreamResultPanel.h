#pragma once

#include "compare/ResultPanel.h"

#include <cstdio>
#include <string>

// How rows and names are printed: their bytes unchanged, for a pipe or a file, or as the window
// shows them (UTF-8, else Shift-JIS, control bytes as visible symbols), for a terminal.
enum class RowForm { Bytes, Screen };
// Whether the stretch where a line differs is set off with colour, as diff --color does.
enum class RowMarks { Plain, Colored };

// A ResultPanel that prints to a stream: the names and every row as they come, and the length
// verdict and the summary at the end, when Finish is called.
class StreamResultPanel : public ResultPanel {
public:
    StreamResultPanel(std::FILE* stream, RowForm form, RowMarks marks = RowMarks::Plain)
        : stream_(stream), form_(form), marks_(marks) {}

    void ClearRows() override {}
    void AddRow(std::string_view text) override;
    void AddMarkedRow(std::string_view text, std::size_t begin, std::size_t end) override;
    void SetFileNames(std::string_view name1, std::string_view name2) override;
    void SetLengthVerdict(std::string_view text) override;
    void SetDifferenceSummary(std::string_view text) override;

    void Finish();

private:
    void WriteLine(std::string_view label, std::string_view text);
    // Writes bytes as they are.
    void Write(std::string_view bytes);
    // Writes a text in the panel's form, piece by piece.
    void Show(std::string_view text);

    std::FILE* stream_;
    RowForm form_;
    RowMarks marks_;
    std::string lengthVerdict_;
    std::string differenceSummary_;
};
