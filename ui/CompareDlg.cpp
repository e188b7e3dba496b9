#include "ui/CompareDlg.h"

#include "compare/CompareRequest.h"
#include "compare/ComparisonRun.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/Menu.h"
#include "platform/qt/PaintDC.h"
#include "platform/qt/WinDefs.h"
#include "res/Resources.h"
#include "res/resource.h"
#include "texts/Texts.h"
#include "ui/AboutDlg.h"
#include "ui/DialogResultPanel.h"
#include "ui/DialogRunHost.h"
#include "ui/IconPlacement.h"
#include "ui/SettingsDlg.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

Icon LoadMainIcon() {
    const IconBitmap* bitmap = LoadIconBitmap(IDR_MAINFRAME);
    return bitmap != nullptr ? Icon(*bitmap) : Icon();
}

std::vector<std::string> SelectedPaths(const CFileDialog& dialog) {
    std::vector<std::string> paths;
    for (std::size_t position = dialog.GetStartPosition(); position != 0;)
        paths.push_back(dialog.GetNextPathName(position));
    return paths;
}

// A side without a choice has an empty name and path.
CompareRequest RequestFor(const std::optional<FileChoice>& file1,
                          const std::optional<FileChoice>& file2) {
    const FileChoice none;
    const FileChoice& chosen1 = file1 ? *file1 : none;
    const FileChoice& chosen2 = file2 ? *file2 : none;
    return {file1.has_value(), chosen1.name, chosen1.path,
            file2.has_value(), chosen2.name, chosen2.path};
}
} // namespace

CCompareDlg::CCompareDlg(CompareSettings& settings, CWnd* parent, CompareTuning tuning,
                         FileAccess access)
    : CDialog(LoadDialogTemplate(IDD_COMPARE_DIALOG), parent), icon(LoadMainIcon()),
      settings(settings), tuning(tuning), access(access) {
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

    if (CMenu* systemMenu = GetSystemMenu()) {
        const std::string aboutText = LoadResourceString(IDS_ABOUTBOX);
        if (!aboutText.empty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutText);
        }
    }
    SetIcon(icon);
    if (CMenu* systemMenu = GetSystemMenu()) {
        // The window has a fixed size, so neither command may be offered.
        systemMenu->EnableMenuItem(SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
        systemMenu->EnableMenuItem(SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
    }

    file1List.Clear();
    file2List.Clear();
    UpdateTitle();
    return true;
}

void CCompareDlg::UpdateTitle() {
    SetWindowText(IsTextMode(settings.mode) ? texts::kTextRunCaption : texts::kBinaryRunCaption);
}

void CCompareDlg::OnSysCommand(unsigned id) {
    if ((id & kSysCommandMask) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(id);
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

void CCompareDlg::OnSettings() {
    CSettingsDlg dialog(settings);
    dialog.DoModal();
    // Cancel leaves the mode as it was; the caption is recomputed all the same.
    UpdateTitle();
}

void CCompareDlg::OnBrowseFile1() {
    Browse(file1List);
}

void CCompareDlg::OnBrowseFile2() {
    Browse(file2List);
}

void CCompareDlg::Browse(FileList& list) {
    if (list.IsFull())
        return;
    CFileDialog dialog(texts::kAllFilesFilter, fileDialogs);
    // Each side opens where its own file lies, as files to compare often sit in two folders.
    if (const auto choice = list.CurrentChoice())
        dialog.SetInitialFolder(std::filesystem::path(choice->path).parent_path().string());
    if (dialog.DoModal() == IDCANCEL)
        return;
    list.AddOnTopReversed(SelectedPaths(dialog));
}

void CCompareDlg::OnExecute() {
    const CompareRequest request = RequestFor(file1List.CurrentChoice(), file2List.CurrentChoice());
    DialogResultPanel panel(resultList, name1Label, name2Label, lengthLabel, summaryLabel);
    DialogRunHost host(*this, summaryLabel);
    CompareTuning watched = tuning;
    watched.progress = &host;
    RunComparison(request, settings, panel, host, watched, access);
    if (host.CloseAsked())
        SendCommand(IDCANCEL);
}
