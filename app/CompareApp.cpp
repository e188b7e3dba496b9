#include "app/CompareApp.h"

#include "ui/CompareDlg.h"

namespace {
CCompareApp theApp;
} // namespace

CCompareApp::CCompareApp() : CWinApp(nullptr) {}

bool CCompareApp::InitInstance() {
    Enable3dControls();

    CCompareDlg dialog(settings);
    mainWindow = &dialog;
    dialog.DoModal();
    // The dialog dies with this scope; the window pointer must not outlive it.
    mainWindow = nullptr;
    return false;
}
