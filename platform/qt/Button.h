#pragma once

#include "platform/qt/Wnd.h"

// A push button, check box, radio button or group box of a dialog.
class CButton : public CWnd {
public:
    // Whether a check box or radio button is checked: BST_CHECKED (1), else BST_UNCHECKED (0),
    // which a push button, a group box and an unbound handle always give.
    int GetCheck() const;
    // Checks a check box or radio button for a nonzero state and clears it for zero, without
    // running its click handler; a button that takes no check is left alone.
    void SetCheck(int state);
};
