#pragma once

#include "platform/qt/Wnd.h"

#include <cstddef>
#include <string>
#include <string_view>

// An unsorted list of rows that only displays: rows are bytes, shown decoded with tabs expanded
// to the default tab stops, stored whole and read back unchanged.
class CListBox : public CWnd {
public:
    // Removes every row and scrolls back to the top, where the next rows start.
    void ResetContent();
    // Appends a row after the last one and returns its index.
    int AddString(std::string_view text);
    int GetCount() const;
    // Marks the bytes [begin, end) of a row as where it differs: they are drawn on a tint, the
    // row's tooltip gives the column they start at, and a double-click scrolls them into view.
    void MarkRow(int index, std::size_t begin, std::size_t end);
    std::string GetText(int index) const;
};
