#pragma once

#include "platform/qt/Wnd.h"

#include <string>
#include <string_view>

// An unsorted list of rows that only displays: rows are bytes, shown decoded with tabs expanded
// to the default tab stops, stored whole and read back unchanged.
class CListBox : public CWnd {
public:
    // LB_RESETCONTENT: also scrolls back to the top, where the next rows start.
    void ResetContent();
    // LB_ADDSTRING: appends after the last row.
    int AddString(std::string_view text);
    int GetCount() const;
    std::string GetText(int index) const;
};
