#pragma once

#include "platform/qt/Wnd.h"

// A push button, check box, radio button or group box of a dialog.
class CButton : public CWnd {
public:
    // BM_GETCHECK: BST_CHECKED (1) when checked, else BST_UNCHECKED.
    int GetCheck() const;
    // BM_SETCHECK: a nonzero state checks the button.
    void SetCheck(int state);
};
