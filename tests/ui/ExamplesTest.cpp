// The example files run through the window as the README tells a new user to try them; the
// text run leaves the screenshot that the README shows.

#include "ui/CompareDlg.h"

#include "res/resource.h"
#include "tests/platform/qt/support/Snapshot.h"
#include "tests/ui/DialogTestSupport.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    std::string name1;
    std::string lengthVerdict;
    std::string differenceSummary;
    std::size_t rows = 0;
};

// Chooses the two examples with Browse, sets the mode in the settings dialog and runs them.
Outcome RunExamples(std::string_view file1, std::string_view file2, std::string_view mode,
                    std::string_view snapshot) {
    const std::string folder = VY_EXAMPLES_DIR;
    FileDialogStandIn fileDialog;
    fileDialog.Queue(std::vector<std::string>{folder + '/' + std::string(file1)});
    fileDialog.Queue(std::vector<std::string>{folder + '/' + std::string(file2)});
    MessageBoxRecorder messages;
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    dialog.SetMessageBoxPresenter(messages.Presenter());
    Outcome outcome;
    RunModal(dialog, [&](QWidget* window) {
        UseSettingsDialog(dialog, {mode, "OK"}, Qt::Key_Escape);
        Click(dialog, IDC_BROWSE1);
        Click(dialog, IDC_BROWSE2);
        Click(dialog, IDC_EXECUTE);
        outcome = {dialog.GetDlgItem(IDC_NAME1)->GetWindowText(),
                   dialog.GetDlgItem(IDC_LENGTH_VERDICT)->GetWindowText(),
                   dialog.GetDlgItem(IDC_DIFF_SUMMARY)->GetWindowText(),
                   RowsOf(ControlOf<CListBox>(dialog, IDC_RESULT_LIST)).size()};
        if (!snapshot.empty())
            SaveSnapshot(window, snapshot);
    });
    EXPECT_TRUE(messages.boxes.empty());
    return outcome;
}

} // namespace

TEST(Examples, TheTextsDifferInThreeLinesAndTheSecondIsLonger) {
    const Outcome outcome = RunExamples("sjis-a.txt", "sjis-b.txt", "ﾃｷｽﾄ", "readme-main-window");
    EXPECT_EQ(outcome.name1, "sjis-a.txt");
    EXPECT_EQ(outcome.lengthVerdict, "File2 が File1 より行数が多い");
    EXPECT_EQ(outcome.differenceSummary, "3 行の、違いがありました");
    EXPECT_EQ(outcome.rows, 3u * 6u);
}

TEST(Examples, TheBlocksDifferInFourBytesAndTheSecondIsLonger) {
    const Outcome outcome = RunExamples("blocks-a.bin", "blocks-b.bin", "ﾊﾞｲﾅﾘ", "");
    EXPECT_EQ(outcome.lengthVerdict, "File2 が File1 より長い");
    EXPECT_EQ(outcome.differenceSummary, "4 ﾊﾞｲﾄの、違いがありました");
    EXPECT_EQ(outcome.rows, 1u + 4u);
}
