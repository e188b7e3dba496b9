#include "CompareDlg.h"

#include "AboutDlg.h"
#include "IconPlacement.h"
#include "Menu.h"
#include "PaintDC.h"
#include "ProcessSettings.h"
#include "Resources.h"
#include "SettingsDlg.h"
#include "WinDefs.h"
#include "resource.h"

namespace {
constexpr std::string_view kBinaryCaption = "ﾌｧｲﾙ比較 Vy   (ﾊﾞｲﾅﾘ比較)";
constexpr std::string_view kTextCaption = "ﾌｧｲﾙ比較 Vy   (ﾃｷｽﾄ比較)";

Icon LoadMainIcon() {
    const IconBitmap* bitmap = LoadIconBitmap(IDR_MAINFRAME);
    return bitmap != nullptr ? Icon(*bitmap) : Icon();
}
} // namespace

CCompareDlg::CCompareDlg(CWnd* parent)
    : CDialog(LoadDialogTemplate(IDD_COMPARE_DIALOG), parent), icon(LoadMainIcon()) {
    MapClicked(IDC_BROWSE1, &CCompareDlg::OnBrowseFile1);
    MapClicked(IDC_BROWSE2, &CCompareDlg::OnBrowseFile2);
    MapClicked(IDC_EXECUTE, &CCompareDlg::OnExecute);
    MapClicked(IDC_SETTINGS, &CCompareDlg::OnSettings);
}

void CCompareDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_FILE2_BOX, file2Box);
    DDX_Control(exchange, IDC_FILE1_BOX, file1Box);
    DDX_Control(exchange, IDC_DIFF_SUMMARY, summaryLabel);
    DDX_Control(exchange, IDC_LENGTH_VERDICT, lengthLabel);
    DDX_Control(exchange, IDC_NAME2, name2Label);
    DDX_Control(exchange, IDC_NAME1, name1Label);
    DDX_Control(exchange, IDC_RESULT_LIST, resultList);
    DDX_Control(exchange, IDC_FILE2_COMBO, file2Combo);
    DDX_Control(exchange, IDC_FILE1_COMBO, file1Combo);
}

bool CCompareDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* systemMenu = GetSystemMenu(false)) {
        const std::string aboutText = LoadResourceString(IDS_ABOUTBOX);
        if (!aboutText.empty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutText);
        }
    }
    SetIcon(icon, true);
    SetIcon(icon, false);
    if (CMenu* systemMenu = GetSystemMenu(false)) {
        // The window has a fixed size, so neither command may be offered.
        systemMenu->EnableMenuItem(SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
        systemMenu->EnableMenuItem(SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
    }

    compareSettings.matchCase = 0;
    compareSettings.compressBlanks = 0;
    compareSettings.mode = CompareMode::Binary;
    counts = {0, 0};
    file1Box.SetSide(0);
    file2Box.SetSide(1);
    UpdateTitle();
    return true;
}

void CCompareDlg::UpdateTitle() {
    SetWindowText(IsTextMode(compareSettings.mode) ? kTextCaption : kBinaryCaption);
}

void CCompareDlg::OnSysCommand(unsigned id, std::intptr_t param) {
    // The window layer keeps the low four bits of system commands for itself.
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(id, param);
}

void CCompareDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    dc.EraseIconBackground();
    const CRect client = GetClientRect();
    const IconOrigin origin = CenteredIconOrigin(
        client.Width(), client.Height(), GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    dc.DrawIcon(origin.x, origin.y, icon);
}

Icon CCompareDlg::OnQueryDragIcon() {
    return icon;
}

void CCompareDlg::OnSettings() {
    CSettingsDlg settings;
    settings.DoModal();
    // Cancel leaves the mode as it was; the caption is recomputed all the same.
    UpdateTitle();
}
