#pragma once

#include "platform/qt/Wnd.h"

#include <cstdint>
#include <string>
#include <string_view>

// An unsorted drop-down list. Entry texts are bytes, shown decoded on one line (control
// characters as symbols) and read back unchanged; every entry carries a number of the caller's
// (its item data).
class CComboBox : public CWnd {
public:
    int GetCount() const;
    // CB_GETCURSEL: the selected index, or CB_ERR when none is selected.
    int GetCurSel() const;
    // CB_SETCURSEL: selects an entry; nothing is selected in an empty list.
    int SetCurSel(int index);
    // CB_INSERTSTRING: inserts at index, moving that entry and the ones below down by one.
    int InsertString(int index, std::string_view text);
    int SetItemData(int index, std::intptr_t data);
    std::intptr_t GetItemData(int index) const;
    std::string GetLBText(int index) const;
};
