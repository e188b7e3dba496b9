#include "ui/SettingsDlg.h"

#include "platform/qt/WinDefs.h"
#include "res/Resources.h"
#include "res/resource.h"

CSettingsDlg::CSettingsDlg(CompareSettings& settings, CWnd* parent)
    : CDialog(LoadDialogTemplate(IDD_SETTINGS), parent), settings(settings) {
    MapClicked(IDC_MODE_TEXT, &CSettingsDlg::OnModeText);
    MapClicked(IDC_MODE_BINARY, &CSettingsDlg::OnModeBinary);
    MapClicked(IDC_MATCH_CASE, &CSettingsDlg::OnMatchCase);
    MapClicked(IDC_COMPRESS_BLANKS, &CSettingsDlg::OnCompressBlanks);
}

void CSettingsDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_TEXT_OPTIONS, textOptionsBox);
    DDX_Control(exchange, IDC_MODE_BINARY, binaryRadio);
    DDX_Control(exchange, IDC_MODE_TEXT, textRadio);
    DDX_Control(exchange, IDC_COMPRESS_BLANKS, compressBlanksCheck);
    DDX_Control(exchange, IDC_MATCH_CASE, matchCaseCheck);
}

bool CSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    // Every opening reloads the copy, so nothing of an abandoned opening carries over.
    working = settings;

    // Every control starts unchecked, so only the settings that are on need a check.
    if (working.matchCase != 0)
        matchCaseCheck.SetCheck(BST_CHECKED);
    if (working.compressBlanks != 0)
        compressBlanksCheck.SetCheck(BST_CHECKED);
    if (IsTextMode(working.mode)) {
        textRadio.SetCheck(BST_CHECKED);
        EnableTextOptions(true);
    } else {
        binaryRadio.SetCheck(BST_CHECKED);
        EnableTextOptions(false);
    }
    return true;
}

// Disabled check boxes keep their checks, so the options come back as they were when Text is
// chosen again.
void CSettingsDlg::EnableTextOptions(bool enable) {
    matchCaseCheck.EnableWindow(enable);
    compressBlanksCheck.EnableWindow(enable);
    textOptionsBox.EnableWindow(enable);
}

void CSettingsDlg::OnModeText() {
    working.mode = CompareMode::Text;
    EnableTextOptions(true);
}

void CSettingsDlg::OnModeBinary() {
    working.mode = CompareMode::Binary;
    EnableTextOptions(false);
}

void CSettingsDlg::OnMatchCase() {
    working.matchCase = matchCaseCheck.GetCheck() != 0 ? 1 : 0;
}

void CSettingsDlg::OnCompressBlanks() {
    working.compressBlanks = compressBlanksCheck.GetCheck() != 0 ? 1 : 0;
}

// The text options are saved in Binary mode too; they apply once Text is chosen again.
void CSettingsDlg::OnOK() {
    settings = working;
    CDialog::OnOK();
}
