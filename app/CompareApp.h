#pragma once

#include "compare/CompareSettings.h"
#include "platform/qt/WinApp.h"

// The application: its whole life is one modal run of the main dialog, and the process ends
// as soon as that dialog closes.
class CCompareApp : public CWinApp {
public:
    // Runs the main dialog modally and returns false, so no message loop follows.
    bool InitInstance() override;

private:
    // The comparison settings, kept for the life of the process and never saved: they start as
    // binary comparison with both text options off, and the dialogs share them.
    CompareSettings settings;
};
