#include "ui/AboutDlg.h"

#include "res/Resources.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(LoadDialogTemplate(IDD_ABOUTBOX)) {}
