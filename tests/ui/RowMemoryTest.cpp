#include "ui/CompareDlg.h"

#include "platform/qt/ListBox.h"
#include "res/resource.h"
#include "tests/support/TempDir.h"
#include "tests/ui/DialogTestSupport.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

namespace {

constexpr int kLines = 4;
constexpr std::size_t kLineBytes = std::size_t{1} << 20;

// A field of /proc/self/status in bytes, such as the resident size now ("VmRSS") or at its
// peak ("VmHWM").
std::optional<std::size_t> StatusBytes(std::string_view field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field) && line[field.size()] == ':')
            return std::stoull(line.substr(field.size() + 1)) * 1024;
    return std::nullopt;
}

// Lets the peak resident size start again from the present one.
bool ResetPeak() {
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5";
    clearRefs.close();
    return !clearRefs.fail();
}

// Lines of a megabyte that differ on every line: File1 in ASCII, File2 in Shift-JIS with bytes
// that decode neither way, the costliest text to show.
std::string LongLines(bool shiftJis) {
    std::string text;
    for (int line = 0; line < kLines; ++line) {
        std::string bytes(kLineBytes, static_cast<char>('a' + line % 26));
        if (shiftJis)
            for (std::size_t index = 0; index < bytes.size(); index += 4)
                bytes.replace(index, 4, "\x83\x65\xFF\xFE");
        text += bytes + '\n';
    }
    return text;
}

QAbstractItemView* ResultView(CCompareDlg& dialog) {
    return static_cast<QAbstractItemView*>(dialog.GetDlgItem(IDC_RESULT_LIST)->Widget());
}

} // namespace

// In a process of its own, so that the peak resident size belongs to this run alone.
TEST(RowMemory, ARunOfLongLinesPeaksUnderThreeTimesTheListedBytes) {
    TempDir folder;
    FileDialogStandIn fileDialog;
    fileDialog.Queue(std::vector<std::string>{folder.Write("ascii.txt", LongLines(false))});
    fileDialog.Queue(std::vector<std::string>{folder.Write("sjis.txt", LongLines(true))});
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    std::size_t listedBytes = 0;
    std::optional<std::size_t> before;
    std::optional<std::size_t> peak;
    bool peakReset = false;
    int pagesShown = 0;
    RunModal(dialog, [&](QWidget* window) {
        UseSettingsDialog(dialog, {"ﾃｷｽﾄ", "OK"}, Qt::Key_Escape);
        Click(dialog, IDC_BROWSE1);
        Click(dialog, IDC_BROWSE2);
        window->grab();
        before = StatusBytes("VmRSS");
        peakReset = ResetPeak();
        Click(dialog, IDC_EXECUTE);
        // Every row shown once, a page at a time, as when the user scrolls through all.
        QAbstractItemView* view = ResultView(dialog);
        view->doItemsLayout();
        QScrollBar* scrollBar = view->verticalScrollBar();
        for (int value = 0;; value += scrollBar->pageStep()) {
            scrollBar->setValue(value);
            window->grab();
            ++pagesShown;
            if (value >= scrollBar->maximum())
                break;
        }
        peak = StatusBytes("VmHWM");
        for (const std::string& row : RowsOf(ControlOf<CListBox>(dialog, IDC_RESULT_LIST)))
            listedBytes += row.size();
    });
    ASSERT_TRUE(peakReset && before && peak);
    EXPECT_GE(pagesShown, 2);
    EXPECT_GT(listedBytes, 2 * kLines * kLineBytes);
    EXPECT_LT(*peak - *before, 3 * listedBytes);
}
