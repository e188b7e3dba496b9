#include "ui/CompareDlg.h"

#include "platform/qt/WinDefs.h"
#include "res/resource.h"
#include "tests/support/TempDir.h"
#include "tests/ui/DialogTestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
constexpr std::string_view kAllFilesFilter = "すべてのﾌｧｲﾙ (*.*)|*.*|";

CComboBox& File1Combo(CCompareDlg& dialog) {
    return ControlOf<CComboBox>(dialog, IDC_FILE1_COMBO);
}
CComboBox& File2Combo(CCompareDlg& dialog) {
    return ControlOf<CComboBox>(dialog, IDC_FILE2_COMBO);
}

// What the screen shows of a control: the entries of a combo box, the text of a label or the
// rows of a list.
QStringList ShownEntries(CComboBox& combo) {
    QStringList shown;
    const auto* widget = static_cast<QComboBox*>(combo.Widget());
    for (int index = 0; index < widget->count(); ++index)
        shown.append(widget->itemText(index));
    return shown;
}

QString ShownLabel(CCompareDlg& dialog, int id) {
    return static_cast<QLabel*>(dialog.GetDlgItem(id)->Widget())->text();
}

QStringList ShownRows(CCompareDlg& dialog) {
    QStringList shown;
    const auto* view =
        static_cast<QAbstractItemView*>(dialog.GetDlgItem(IDC_RESULT_LIST)->Widget());
    for (int row = 0; row < view->model()->rowCount(); ++row)
        shown.append(view->model()->index(row, 0).data().toString());
    return shown;
}
} // namespace

TEST(BrowseAndDrop, BrowsePutsTheSelectionOnTopOfItsOwnSideInReverseOrder) {
    FileDialogStandIn fileDialog;
    fileDialog.Queue(std::vector<std::string>{"/data/x.txt"});
    fileDialog.Queue(std::vector<std::string>{"/more/p.txt", "/more/q.txt", "/more/r.txt"});
    fileDialog.Queue(std::nullopt);
    fileDialog.Queue(std::nullopt);
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    int selectionAfterCancel = 0;
    RunModal(dialog, [&](QWidget*) {
        Click(dialog, IDC_BROWSE1);
        Click(dialog, IDC_BROWSE1);
        File1Combo(dialog).SetCurSel(3);
        Click(dialog, IDC_BROWSE1);
        selectionAfterCancel = File1Combo(dialog).GetCurSel();
        Click(dialog, IDC_BROWSE2);
    });
    // Each side opens in the folder of its own chosen file.
    const auto opening = [](std::string folder) {
        return FileDialogStandIn::Opening{std::string(kAllFilesFilter), folder};
    };
    EXPECT_EQ(fileDialog.openings,
              (std::vector<FileDialogStandIn::Opening>{opening(""), opening("/data"),
                                                       opening("/data"), opening("")}));
    EXPECT_EQ(EntriesOf(File1Combo(dialog)),
              (std::vector<ComboEntry>{{"r.txt", 3}, {"q.txt", 2}, {"p.txt", 1}, {"x.txt", 0}}));
    EXPECT_EQ(selectionAfterCancel, 3);
    EXPECT_EQ(File2Combo(dialog).GetCount(), 0);
    EXPECT_EQ(File2Combo(dialog).GetCurSel(), CB_ERR);
}

TEST(BrowseAndDrop, DropsGoOnTopInDropOrderOnTheSideOfTheirBox) {
    FileDialogStandIn fileDialog;
    fileDialog.Queue(std::vector<std::string>{"/data/x.txt"});
    const std::string longPath = "/data/" + std::string(300, 'n') + ".txt";
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    int selectionAfterEmptyDrop = 0;
    RunModal(dialog, [&](QWidget*) {
        Click(dialog, IDC_BROWSE2);
        DropFilesOn(dialog, IDC_FILE2_BOX, {"/data/p.txt", "/data/q.txt", "/data/r.txt"});
        DropFilesOn(dialog, IDC_FILE1_BOX, {longPath, "/data/日本語.txt"});
        File2Combo(dialog).SetCurSel(3);
        // The window system delivers no drop without a local file; the box still takes one.
        const DropList noFiles;
        ControlOf<CDropBox>(dialog, IDC_FILE2_BOX).OnDropFiles(&noFiles);
        selectionAfterEmptyDrop = File2Combo(dialog).GetCurSel();
    });
    EXPECT_EQ(EntriesOf(File2Combo(dialog)),
              (std::vector<ComboEntry>{{"p.txt", 1}, {"q.txt", 2}, {"r.txt", 3}, {"x.txt", 0}}));
    EXPECT_EQ(selectionAfterEmptyDrop, 0);
    EXPECT_EQ(EntriesOf(File1Combo(dialog)),
              (std::vector<ComboEntry>{{std::string(300, 'n') + ".txt", 0}, {"日本語.txt", 1}}));
    EXPECT_EQ(File1Combo(dialog).GetCurSel(), 0);
}

TEST(BrowseAndDrop, AFullSideOpensNoFileDialogAndTakesNoDrop) {
    FileDialogStandIn fileDialog;
    fileDialog.Queue(std::vector<std::string>{"/b/p.txt", "/b/q.txt", "/b/r.txt"});
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    std::vector<ComboEntry> topAfterFill;
    int selectionAfterFullDrop = 0;
    RunModal(dialog, [&](QWidget*) {
        DropFilesOn(dialog, IDC_FILE1_BOX, NumberedPaths("/a/", 254));
        DropFilesOn(dialog, IDC_FILE1_BOX,
                    {"/c/1.txt", "/c/2.txt", "/c/3.txt", "/c/4.txt", "/c/5.txt"});
        topAfterFill = EntriesOf(File1Combo(dialog));
        topAfterFill.resize(3);
        File1Combo(dialog).SetCurSel(5);
        DropFilesOn(dialog, IDC_FILE1_BOX, {"/c/6.txt"});
        Click(dialog, IDC_BROWSE1);
        selectionAfterFullDrop = File1Combo(dialog).GetCurSel();

        DropFilesOn(dialog, IDC_FILE2_BOX, NumberedPaths("/d/", 255));
        Click(dialog, IDC_BROWSE2);
    });
    EXPECT_EQ(topAfterFill,
              (std::vector<ComboEntry>{{"1.txt", 254}, {"2.txt", 255}, {"0.bin", 0}}));
    EXPECT_EQ(File1Combo(dialog).GetCount(), 256);
    EXPECT_EQ(selectionAfterFullDrop, 5);

    // Only the File2 Browse opened a dialog; its selection filled the side and no further.
    EXPECT_EQ(fileDialog.openings.size(), 1u);
    EXPECT_EQ(File2Combo(dialog).GetCount(), 256);
    EXPECT_EQ(EntriesOf(File2Combo(dialog))[0], (ComboEntry{"p.txt", 255}));
    EXPECT_EQ(File2Combo(dialog).GetCurSel(), 0);
}

TEST(BrowseAndDrop, ExecuteComparesThePathsOfTheSelectedEntries) {
    TempDir folder;
    const std::string kept = folder.Write("kept.txt", "same\n");
    const std::string other = folder.Write("other.txt", "same\n");
    FileDialogStandIn fileDialog;
    fileDialog.Queue(std::vector<std::string>{kept});
    fileDialog.Queue(std::vector<std::string>{folder.PathOf("gone.txt")});
    fileDialog.Queue(std::vector<std::string>{other});
    MessageBoxRecorder messages;
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetFileDialogPresenter(fileDialog.Presenter());
    dialog.SetMessageBoxPresenter(messages.Presenter());
    std::string nameAfterRun;
    std::size_t messagesAfterRun = 0;
    RunModal(dialog, [&](QWidget*) {
        Click(dialog, IDC_BROWSE1);
        Click(dialog, IDC_BROWSE1);
        Click(dialog, IDC_BROWSE2);
        File1Combo(dialog).SetCurSel(1);
        Click(dialog, IDC_EXECUTE);
        nameAfterRun = dialog.GetDlgItem(IDC_NAME1)->GetWindowText();
        messagesAfterRun = messages.boxes.size();
        File1Combo(dialog).SetCurSel(0);
        Click(dialog, IDC_EXECUTE);
    });
    EXPECT_EQ(messagesAfterRun, 0u);
    EXPECT_EQ(nameAfterRun, "kept.txt");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "gone.txt");
    EXPECT_EQ(messages.boxes[0].caption, "File Read Error!!!");
}

TEST(BrowseAndDrop, NamesThatAreNotUtf8OrHoldALineFeedAreDroppedShownOnOneLineAndCompared) {
    TempDir folder;
    // "テスト.txt" in Shift-JIS, a name of the bytes FF FE and one that holds a line feed.
    const std::string shiftJis = folder.Write("\x83\x65\x83\x58\x83\x67.txt", "a\n");
    const std::string notText = folder.Write("\xFF\xFE", "b\n");
    const std::string twoLines = folder.Write("line\nfeed", "b\n");
    MessageBoxRecorder messages;
    CompareSettings settings;
    CCompareDlg dialog(settings);
    dialog.SetMessageBoxPresenter(messages.Presenter());
    QStringList rowsShown;
    QString name1Shown;
    QString name2Shown;
    QString name1ShownAfterSecondRun;
    RunModal(dialog, [&](QWidget*) {
        UseSettingsDialog(dialog, {"ﾃｷｽﾄ", "OK"}, Qt::Key_Escape);
        DropFilesOn(dialog, IDC_FILE1_BOX, {shiftJis, twoLines});
        DropFilesOn(dialog, IDC_FILE2_BOX, {notText});
        Click(dialog, IDC_EXECUTE);
        rowsShown = ShownRows(dialog);
        name1Shown = ShownLabel(dialog, IDC_NAME1);
        name2Shown = ShownLabel(dialog, IDC_NAME2);
        File1Combo(dialog).SetCurSel(1);
        Click(dialog, IDC_EXECUTE);
        name1ShownAfterSecondRun = ShownLabel(dialog, IDC_NAME1);
    });
    // Both runs found their files, so the paths kept every byte.
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(ShownEntries(File1Combo(dialog)),
              (QStringList{QStringLiteral("テスト.txt"), QStringLiteral("line\u240Afeed")}));
    EXPECT_EQ(ShownEntries(File2Combo(dialog)), QStringList{QStringLiteral("\uFFFD\uFFFD")});
    EXPECT_EQ(name1Shown, QStringLiteral("テスト.txt"));
    EXPECT_EQ(name2Shown, QStringLiteral("\uFFFD\uFFFD"));
    EXPECT_EQ(rowsShown, (QStringList{QStringLiteral("1 行"), QStringLiteral("******** テスト.txt"),
                                      QStringLiteral("a"), QStringLiteral("******** \uFFFD\uFFFD"),
                                      QStringLiteral("b"), QString()}));
    EXPECT_EQ(name1ShownAfterSecondRun, QStringLiteral("line\u240Afeed"));
    EXPECT_EQ(dialog.GetDlgItem(IDC_NAME1)->GetWindowText(), "line\nfeed");
}
