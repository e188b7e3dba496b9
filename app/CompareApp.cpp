#include "app/CompareApp.h"

#include "ui/CompareDlg.h"

namespace {
CCompareApp theApp;
} // namespace

bool CCompareApp::InitInstance() {
    CCompareDlg dialog(settings);
    mainWindow = &dialog;
    dialog.DoModal();
    // The dialog dies with this scope; the window pointer must not outlive it.
    mainWindow = nullptr;
    return false;
}
