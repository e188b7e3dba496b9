#include "AboutDlg.h"

#include "Resources.h"
#include "resource.h"

CAboutDlg::CAboutDlg() : CDialog(LoadDialogTemplate(IDD_ABOUTBOX)) {}
