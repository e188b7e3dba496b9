#pragma once

#include <cstddef>
#include <string_view>

// Where a run and a comparison show their outcome. Write-only: nothing is ever read back.
// Texts are bytes (paths and file contents are never converted) and are copied by the panel.
class ResultPanel {
public:
    virtual ~ResultPanel() = default;

    virtual void ClearRows() = 0;
    virtual void AddRow(std::string_view text) = 0;
    // A row of a differing line whose bytes [begin, end) differ from the other line's; a panel
    // that shows no marks adds it as any row.
    virtual void AddMarkedRow(std::string_view text, std::size_t begin, std::size_t end) {
        (void)begin;
        (void)end;
        AddRow(text);
    }
    virtual void SetFileNames(std::string_view name1, std::string_view name2) = 0;
    virtual void SetLengthVerdict(std::string_view text) = 0;
    virtual void SetDifferenceSummary(std::string_view text) = 0;
};
