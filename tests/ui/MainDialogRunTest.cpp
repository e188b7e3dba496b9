#include "ui/CompareDlg.h"

#include "compare/CompareRequest.h"
#include "compare/ComparisonRun.h"
#include "compare/DisplayName.h"
#include "platform/qt/WinDefs.h"
#include "res/resource.h"
#include "tests/platform/qt/support/Snapshot.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/TempDir.h"
#include "tests/ui/DialogTestSupport.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {
// Two Shift-JIS texts that differ in a full-width against a half-width word, a tab-indented
// line, the case of one word and a line that only File2 has.
constexpr std::string_view kLeftText =
    "\x83\x74\x83\x40\x83\x43\x83\x8b\x94\xe4\x8a\x72\x82\xcc\x83\x65\x83\x58\x83\x67\n"
    "\x93\xaf\x82\xb6\x8d\x73\x82\xc5\x82\xb7\n"
    "\t\x83\x5e\x83\x75\x82\xcc\x82\xa0\x82\xe9\x8d\x73\n"
    "\x91\xe5\x95\xb6\x8e\x9a Case\n"
    "\x8d\xc5\x8c\xe3\x82\xcc\x8d\x73\n";
constexpr std::string_view kRightText =
    "\xcc\xa7\xb2\xd9\x94\xe4\x8a\x72\x82\xcc\x83\x65\x83\x58\x83\x67\n"
    "\x93\xaf\x82\xb6\x8d\x73\x82\xc5\x82\xb7\n"
    "\t\x83\x5e\x83\x75\x82\xcc\x82\xa0\x82\xe9\x8d\x73\x82\xc5\x82\xb7\n"
    "\x91\xe5\x95\xb6\x8e\x9a CASE\n"
    "\x8d\xc5\x8c\xe3\x82\xcc\x8d\x73\n"
    "\x92\xc7\x89\xc1\x82\xb3\x82\xea\x82\xbd\x8d\x73\n";

constexpr unsigned kInformation = MB_OK | MB_ICONINFORMATION;
constexpr unsigned kExclamation = MB_OK | MB_ICONEXCLAMATION;

// What the result area shows, copied out of the dialog.
struct ResultArea {
    std::vector<std::string> rows;
    std::string name1;
    std::string name2;
    std::string lengthVerdict;
    std::string differenceSummary;
    bool operator==(const ResultArea&) const = default;
};

ResultArea ResultAreaOf(CCompareDlg& dialog) {
    return {RowsOf(ControlOf<CListBox>(dialog, IDC_RESULT_LIST)),
            dialog.GetDlgItem(IDC_NAME1)->GetWindowText(),
            dialog.GetDlgItem(IDC_NAME2)->GetWindowText(),
            dialog.GetDlgItem(IDC_LENGTH_VERDICT)->GetWindowText(),
            dialog.GetDlgItem(IDC_DIFF_SUMMARY)->GetWindowText()};
}

// The result area that the same run gives on a panel in memory.
ResultArea ExpectedResultArea(const std::string& path1, const std::string& path2,
                              const CompareSettings& settings) {
    MemoryResultPanel panel;
    RecordingHost host;
    RunComparison({true, DisplayName(path1), path1, true, DisplayName(path2), path2}, settings,
                  panel, host);
    return {panel.rows, panel.name1, panel.name2, panel.lengthVerdict, panel.differenceSummary};
}

std::atomic<int> slowReads = 0;

// Reads as a slow disk does, a few milliseconds a call, counting the calls.
ssize_t SlowRead(int descriptor, void* buffer, std::size_t count, off_t offset) {
    ++slowReads;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return pread(descriptor, buffer, count, offset);
}

// Counts the paint events that reach a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Whether the result list shows any text on the screen, as the window last painted it.
bool ListShowsRows(CCompareDlg& dialog) {
    QWidget* window = dialog.Widget();
    auto* view = static_cast<QAbstractScrollArea*>(dialog.GetDlgItem(IDC_RESULT_LIST)->Widget());
    const QRect area(view->viewport()->mapTo(window, QPoint(0, 0)), view->viewport()->size());
    const QImage image = window->screen()->grabWindow(window->winId()).toImage().copy(area);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).lightness() < 128)
                return true;
    return false;
}

// The address space the process takes now, in bytes.
rlim_t AddressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmSize:", 0) == 0)
            return rlim_t{std::stoul(line.substr(7))} << 10;
    return 0;
}
} // namespace

TEST(MainDialogRun, ATextRunFillsTheListAndTheLabels) {
    TempDir folder;
    const std::string left = folder.Write("左.txt", kLeftText);
    const std::string right = folder.Write("右.txt", kRightText);
    FileDialogStandIn fileDialog;
    fileDialog.Queue(std::vector<std::string>{left});
    fileDialog.Queue(std::vector<std::string>{right});
    MessageBoxRecorder messages;
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    dialog.SetMessageBoxPresenter(messages.Presenter());
    ResultArea afterFirstRun;
    bool busyAfterRuns = true;
    RunModal(dialog, [&](QWidget* window) {
        UseSettingsDialog(dialog, {"ﾃｷｽﾄ", "OK"}, Qt::Key_Escape);
        Click(dialog, IDC_BROWSE1);
        Click(dialog, IDC_BROWSE2);
        Click(dialog, IDC_EXECUTE);
        afterFirstRun = ResultAreaOf(dialog);
        Click(dialog, IDC_EXECUTE);
        busyAfterRuns = QApplication::overrideCursor() != nullptr;
        SaveSnapshot(window, "main-text-run");
    });
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(busyAfterRuns);

    ASSERT_EQ(settings.mode, CompareMode::Text);
    const ResultArea expected = ExpectedResultArea(left, right, settings);
    EXPECT_EQ(expected.name1, "左.txt");
    EXPECT_GT(expected.rows.size(), 6u);
    EXPECT_EQ(afterFirstRun, expected);
    EXPECT_EQ(ResultAreaOf(dialog), expected) << "a second run starts from an empty list";
}

TEST(MainDialogRun, EveryFailedCheckShowsItsBoxOverTheMainDialogAndChangesNothing) {
    TempDir folder;
    const std::string first = folder.Write("a.bin", "first");
    const std::string second = folder.Write("b.bin", "second");
    const std::string gone1 = folder.PathOf("gone1.bin");
    const std::string gone2 = folder.PathOf("gone2.bin");
    FileDialogStandIn fileDialog;
    for (const std::string& path : {first, first, second, gone1, gone2, gone1})
        fileDialog.Queue(std::vector<std::string>{path});
    MessageBoxRecorder messages;
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    dialog.SetMessageBoxPresenter(messages.Presenter());
    ResultArea afterRun;
    std::vector<ResultArea> afterFailures;
    bool busyAfterRuns = true;
    RunModal(dialog, [&](QWidget*) {
        Click(dialog, IDC_EXECUTE);
        Click(dialog, IDC_BROWSE1); // File1: first
        Click(dialog, IDC_EXECUTE);
        Click(dialog, IDC_BROWSE2); // File2: first
        Click(dialog, IDC_EXECUTE);
        Click(dialog, IDC_BROWSE2); // File2: second
        Click(dialog, IDC_EXECUTE);
        afterRun = ResultAreaOf(dialog);

        Click(dialog, IDC_BROWSE1); // File1: gone1
        Click(dialog, IDC_EXECUTE);
        afterFailures.push_back(ResultAreaOf(dialog));
        ControlOf<CComboBox>(dialog, IDC_FILE1_COMBO).SetCurSel(1); // File1: first
        Click(dialog, IDC_BROWSE2);                                 // File2: gone2
        Click(dialog, IDC_EXECUTE);
        afterFailures.push_back(ResultAreaOf(dialog));
        ControlOf<CComboBox>(dialog, IDC_FILE1_COMBO).SetCurSel(0); // File1: gone1
        Click(dialog, IDC_BROWSE2);                                 // File2: gone1
        Click(dialog, IDC_EXECUTE);
        afterFailures.push_back(ResultAreaOf(dialog));
        busyAfterRuns = QApplication::overrideCursor() != nullptr;
    });
    using Box = MessageBoxRecorder::Box;
    EXPECT_EQ(messages.boxes, (std::vector<Box>{
                                  {&dialog, "File1 を指定してください", "Error!!!", kInformation},
                                  {&dialog, "File2 を指定してください", "Error!!!", kInformation},
                                  {&dialog, "同じファイルです", "File Error!!!", kInformation},
                                  {&dialog, "gone1.bin", "File Read Error!!!", kExclamation},
                                  {&dialog, "gone2.bin", "File Read Error!!!", kExclamation},
                                  {&dialog, "同じファイルです", "File Error!!!", kInformation},
                              }));
    EXPECT_EQ(afterRun, ExpectedResultArea(first, second, settings));
    EXPECT_EQ(afterFailures, std::vector<ResultArea>(3, afterRun));
    EXPECT_FALSE(busyAfterRuns);
}

TEST(MainDialogRun, ALineTooLongForTheMemoryShowsAReadErrorAndGivesThePointerBack) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#endif
    // Two lines of 160 MiB that differ in their first byte, compared with 64 MiB of address space
    // to spare: the first file's line, matched first, cannot be held to be matched and listed.
    TempDir folder;
    const std::int64_t length = std::int64_t{160} << 20;
    for (const char* name : {"a.txt", "b.txt"})
        std::filesystem::resize_file(folder.Write(name, name), length);
    FileDialogStandIn fileDialog;
    fileDialog.Queue(std::vector<std::string>{folder.PathOf("a.txt")});
    fileDialog.Queue(std::vector<std::string>{folder.PathOf("b.txt")});
    MessageBoxRecorder messages;
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    dialog.SetMessageBoxPresenter(messages.Presenter());
    bool busyAfterRun = true;
    RunModal(dialog, [&](QWidget*) {
        UseSettingsDialog(dialog, {"ﾃｷｽﾄ", "OK"}, Qt::Key_Escape);
        Click(dialog, IDC_BROWSE1);
        Click(dialog, IDC_BROWSE2);
        rlimit before{};
        ASSERT_EQ(getrlimit(RLIMIT_AS, &before), 0);
        const rlimit tight{AddressSpaceInUse() + (rlim_t{64} << 20), before.rlim_max};
        ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
        Click(dialog, IDC_EXECUTE);
        ASSERT_EQ(setrlimit(RLIMIT_AS, &before), 0);
        busyAfterRun = QApplication::overrideCursor() != nullptr;
    });
    using Box = MessageBoxRecorder::Box;
    EXPECT_EQ(messages.boxes,
              (std::vector<Box>{{&dialog, "a.txt", "File Read Error!!!", kExclamation}}));
    EXPECT_FALSE(busyAfterRun);
}

TEST(MainDialogRun, ALongRunPaintsShowsProgressAndStopsOnEscapeKeepingItsRows) {
    // 4 MiB that differ in a byte of every 4 KiB, read 4 KiB at a time at 2 ms a read: seconds.
    TempDir folder;
    std::string bytes(std::size_t{4} << 20, 'a');
    const std::string left = folder.Write("a.bin", bytes);
    for (std::size_t at = 100; at < bytes.size(); at += 4096)
        bytes[at] = 'b';
    const std::string right = folder.Write("b.bin", bytes);
    FileDialogStandIn fileDialog;
    fileDialog.Queue(std::vector<std::string>{left});
    fileDialog.Queue(std::vector<std::string>{right});
    CompareTuning tuning;
    tuning.windowSize = 4096;
    tuning.workers = Workers::One;
    CompareSettings settings;
    CCompareDlg dialog(settings, nullptr, tuning, {false, SlowRead});
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    std::string summaryEarly;
    std::string summaryLater;
    int paintsBefore = 0;
    int paintsAfter = 0;
    int readsAtEscape = 0;
    int readsAtEnd = 0;
    ResultArea stopped;
    bool busyDuringRun = false;
    bool rowsShownDuringRun = false;
    bool busyAfterRun = true;
    bool openAfterClosedRun = true;
    const int ended = RunModal(dialog, [&](QWidget* window) {
        Click(dialog, IDC_BROWSE1);
        Click(dialog, IDC_BROWSE2);
        PaintCounter counter(window);
        CWnd& summary = *dialog.GetDlgItem(IDC_DIFF_SUMMARY);
        QElapsedTimer sinceStart;
        sinceStart.start();
        // On a machine too busy to fire the timer in time there is nothing to check.
        QTimer::singleShot(150, [&] {
            if (sinceStart.elapsed() < 400)
                summaryEarly = summary.GetWindowText();
        });
        QTimer::singleShot(900, [&] {
            summaryLater = summary.GetWindowText();
            busyDuringRun = QApplication::overrideCursor() != nullptr;
            paintsBefore = counter.paints;
            window->update();
            rowsShownDuringRun = ListShowsRows(dialog);
        });
        QTimer::singleShot(1100, [&] {
            paintsAfter = counter.paints;
            Click(dialog, IDC_EXECUTE); // held off: no second run
            readsAtEscape = slowReads;
            QTest::keyClick(window, Qt::Key_Escape);
        });
        Click(dialog, IDC_EXECUTE);
        readsAtEnd = slowReads;
        stopped = ResultAreaOf(dialog);
        busyAfterRun = QApplication::overrideCursor() != nullptr;

        // The close box in a run stops it and then ends the program.
        QTimer::singleShot(300, [&] { window->close(); });
        Click(dialog, IDC_EXECUTE);
        openAfterClosedRun = window->isVisible();
    });
    EXPECT_EQ(ended, IDCANCEL);
    EXPECT_FALSE(openAfterClosedRun);

    EXPECT_EQ(summaryEarly, "") << "no progress in the first half second";
    EXPECT_TRUE(summaryLater.starts_with("比較中… ") && summaryLater.ends_with("%"))
        << summaryLater;
    EXPECT_TRUE(busyDuringRun);
    EXPECT_TRUE(rowsShownDuringRun);
    EXPECT_GT(paintsAfter, paintsBefore) << "the window paints during the run";
    EXPECT_LE(readsAtEnd - readsAtEscape, 2) << "the run stops at the next window";
    EXPECT_FALSE(busyAfterRun);

    const ResultArea whole = ExpectedResultArea(left, right, settings);
    ASSERT_GT(stopped.rows.size(), 1u);
    const auto listed = static_cast<std::int64_t>(stopped.rows.size()) - 1;
    EXPECT_LT(stopped.rows.size(), whole.rows.size());
    EXPECT_TRUE(std::equal(stopped.rows.begin(), stopped.rows.end(), whole.rows.begin()))
        << "the rows found so far, in order";
    EXPECT_EQ(stopped.differenceSummary,
              "中止しました (" + std::to_string(listed) + " ﾊﾞｲﾄの違い)");
    EXPECT_EQ(stopped.lengthVerdict, whole.lengthVerdict) << "the sizes are known from the start";
    EXPECT_EQ(stopped.name2, "b.bin");
}
