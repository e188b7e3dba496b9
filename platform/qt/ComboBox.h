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
    // The index of the selected entry, or CB_ERR (-1) when none is selected.
    int GetCurSel() const;
    // Selects the entry at index and returns index; an index outside the list clears the
    // selection and returns CB_ERR.
    int SetCurSel(int index);
    // Inserts an entry at index (-1: after the last), moving the entry there and the ones below
    // down by one, and returns where it went; the selection stays on the entry it was on, or on
    // none. CB_ERR for an index past the end.
    int InsertString(int index, std::string_view text);
    int SetItemData(int index, std::intptr_t data);
    std::intptr_t GetItemData(int index) const;
    std::string GetLBText(int index) const;
};
