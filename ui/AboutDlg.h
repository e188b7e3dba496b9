#pragma once

#include "platform/qt/Dialog.h"

// The About box: the program's icon, name, version and maker; it only closes.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
