#include "platform/qt/FileDialog.h"

#include "platform/qt/WinDefs.h"
#include "platform/qt/detail/ByteNameFileDialog.h"
#include "platform/qt/detail/FileFilter.h"
#include "tests/platform/qt/support/ModalDriver.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

constexpr std::string_view kAllFiles = "すべてのﾌｧｲﾙ (*.*)|*.*|";

std::vector<std::string> Walk(const CFileDialog& dialog) {
    std::vector<std::string> paths;
    for (std::size_t position = dialog.GetStartPosition(); position != 0;)
        paths.push_back(dialog.GetNextPathName(position));
    return paths;
}

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

void TouchBytes(const std::string& path) {
    std::ofstream file(path);
    ASSERT_TRUE(file.good());
}

std::string BytesOf(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// What the next file dialog showed when it opened, and what became of the choice made in it.
struct Choice {
    QString openedIn;
    QSize size;
    QSize screenRoom;
    int result = 0;
    std::vector<std::string> paths;
};

// Opens a file dialog of the session and chooses the names (quoted, as the name box takes
// several) in the folder, or cancels when there are none.
Choice Choose(FileDialogSession& session, const QString& folder, const QString& names,
              const std::string& initialFolder = {}) {
    Choice choice;
    RunOnNextModal([&choice, folder, names](QWidget* modal) {
        auto* fileDialog = static_cast<QFileDialog*>(modal);
        choice.openedIn = fileDialog->directory().absolutePath();
        choice.size = fileDialog->size();
        choice.screenRoom = fileDialog->screen()->availableGeometry().size();
        if (names.isEmpty()) {
            fileDialog->reject();
            return;
        }
        fileDialog->setDirectory(folder);
        fileDialog->selectFile(names);
        static_cast<QDialog*>(fileDialog)->accept();
    });
    CFileDialog dialog(kAllFiles, session);
    dialog.SetInitialFolder(initialFolder);
    choice.result = dialog.DoModal();
    choice.paths = Walk(dialog);
    return choice;
}

} // namespace

TEST(FileDialog, FilterNamesShowAsGivenAndStarDotStarMatchesEveryName) {
    EXPECT_EQ(ToNameFilters(kAllFiles), QStringList{QStringLiteral("すべてのﾌｧｲﾙ (*.*) (*)")});
    EXPECT_EQ(ToNameFilters("Text|*.txt;*.log|All|*.*|"),
              (QStringList{QStringLiteral("Text (*.txt *.log)"), QStringLiteral("All (*)")}));
    EXPECT_TRUE(ToNameFilters("").isEmpty());
}

TEST(FileDialog, APresenterStandsInAndThePathsWalkInOrder) {
    std::vector<bool> sawItsSetUp;
    FileDialogSession session;
    session.presenter = [&](const CFileDialog& dialog) {
        sawItsSetUp.push_back(dialog.Filter() == kAllFiles);
        return std::optional<std::vector<std::string>>(
            std::vector<std::string>{"/p/one", "/p/\x83\x65.txt", "/p/three"});
    };
    CFileDialog dialog(kAllFiles, session);
    const int result = dialog.DoModal();
    const std::vector<std::string> paths = Walk(dialog);

    session.presenter = [](const CFileDialog&) { return std::nullopt; };
    CFileDialog cancelled(kAllFiles, session);
    const int cancelResult = cancelled.DoModal();

    session.presenter = [](const CFileDialog&) {
        return std::optional(std::vector<std::string>{});
    };
    CFileDialog empty(kAllFiles, session);
    const int emptyResult = empty.DoModal();

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(sawItsSetUp, std::vector<bool>{true});
    EXPECT_EQ(paths, (std::vector<std::string>{"/p/one", "/p/\x83\x65.txt", "/p/three"}));
    EXPECT_EQ(cancelResult, IDCANCEL);
    EXPECT_EQ(cancelled.GetStartPosition(), 0u);
    EXPECT_EQ(emptyResult, IDCANCEL);
}

TEST(FileDialog, TheRealDialogListsNamesWithoutADotAndReturnsTheSelection) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Touch(folder.filePath(QStringLiteral("noext")));
    Touch(folder.filePath(QStringLiteral("名前.txt")));

    QString shownFilter;
    QStringList modelFilters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    bool open = false;
    RunOnNextModal([&](QWidget* modal) {
        auto* fileDialog = static_cast<QFileDialog*>(modal);
        shownFilter =
            fileDialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))->currentText();
        modelFilters = fileDialog->findChild<QFileSystemModel*>()->nameFilters();
        mode = fileDialog->fileMode();
        open = fileDialog->acceptMode() == QFileDialog::AcceptOpen;
        fileDialog->setDirectory(folder.path());
        fileDialog->selectFile(QStringLiteral("\"名前.txt\" \"noext\""));
        static_cast<QDialog*>(fileDialog)->accept();
    });
    FileDialogSession session;
    CFileDialog dialog(kAllFiles, session);
    const int result = dialog.DoModal();

    EXPECT_EQ(shownFilter, QStringLiteral("すべてのﾌｧｲﾙ (*.*)"));
    const QStringList matching =
        QDir(folder.path()).entryList(modelFilters, QDir::Files, QDir::Name);
    EXPECT_EQ(matching, (QStringList{QStringLiteral("noext"), QStringLiteral("名前.txt")}));
    EXPECT_EQ(mode, QFileDialog::ExistingFiles);
    EXPECT_TRUE(open);
    EXPECT_EQ(result, IDOK);
    const std::string base = QFile::encodeName(folder.path()).toStdString();
    EXPECT_EQ(Walk(dialog), (std::vector<std::string>{base + "/名前.txt", base + "/noext"}));
}

TEST(FileDialog, OpensWhereItIsToldElseWhereTheSessionsLastChoiceWasMadeAtTwoThirdsOfTheScreen) {
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    Touch(first.filePath(QStringLiteral("a.txt")));
    Touch(second.filePath(QStringLiteral("b.txt")));

    FileDialogSession session;
    const Choice atFirst = Choose(session, {}, {});
    const Choice chosenInFirst = Choose(session, first.path(), QStringLiteral("a.txt"));
    const Choice cancelled = Choose(session, {}, {});
    const Choice chosenInSecond = Choose(session, second.path(), QStringLiteral("b.txt"));
    const Choice afterSecond = Choose(session, {}, {});
    const Choice toldFirst = Choose(session, {}, {}, BytesOf(first.path()));
    const Choice toldMissing =
        Choose(session, {}, {}, BytesOf(first.filePath(QStringLiteral("gone"))));
    FileDialogSession another;
    const Choice inAnotherSession = Choose(another, {}, {});

    EXPECT_EQ(atFirst.openedIn, QDir::currentPath());
    EXPECT_EQ(inAnotherSession.openedIn, QDir::currentPath());
    EXPECT_EQ(chosenInFirst.result, IDOK);
    EXPECT_EQ(cancelled.result, IDCANCEL);
    EXPECT_EQ(cancelled.openedIn, first.path());
    EXPECT_EQ(chosenInSecond.openedIn, first.path());
    EXPECT_EQ(chosenInSecond.paths, std::vector<std::string>{BytesOf(second.filePath("b.txt"))});
    EXPECT_EQ(afterSecond.openedIn, second.path());
    EXPECT_EQ(toldFirst.openedIn, first.path());
    EXPECT_EQ(toldMissing.openedIn, second.path());
    const QSize room = afterSecond.screenRoom;
    EXPECT_EQ(afterSecond.size,
              QSize(std::max(room.width() * 2 / 3, 800), std::max(room.height() * 2 / 3, 500))
                  .boundedTo(room));
}

TEST(FileDialog, NamesThatAreNotUtf8AreChosenAsTheirBytesAndNeverAsAnotherFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string base = BytesOf(folder.path());
    const QString shownBase = folder.path();
    // "テスト.txt" in Shift-JIS, which Qt shows as "\uFFFDe\uFFFDX\uFFFDg.txt", and FF FE.
    const std::string shiftJis = base + "/\x83\x65\x83\x58\x83\x67.txt";
    const std::string notText = base + "/\xFF\xFE";
    TouchBytes(shiftJis);
    TouchBytes(notText);
    // Two pairs of names that Qt shows alike, one of them the very name that Qt shows.
    TouchBytes(base + "/\x83x");
    TouchBytes(base + "/\x84x");
    TouchBytes(base + "/\xEF\xBF\xBDy");
    TouchBytes(base + "/\x80y");
    const QString shownShiftJis = QStringLiteral("\uFFFDe\uFFFDX\uFFFDg.txt");

    EXPECT_EQ(BytePathOf(shownBase + u'/' + shownShiftJis), shiftJis);
    EXPECT_EQ(BytePathOf(shownBase + QStringLiteral("/\uFFFD\uFFFD")), notText);
    EXPECT_EQ(BytePathOf(shownBase + QStringLiteral("/\uFFFDx")), std::nullopt);
    EXPECT_EQ(BytePathOf(shownBase + QStringLiteral("/\uFFFDy")), std::nullopt);
    EXPECT_EQ(BytePathOf(shownBase + QStringLiteral("/gone/\uFFFD")), std::nullopt);
    EXPECT_EQ(BytePathOf(QStringLiteral("relative\uFFFD")), std::nullopt);
    EXPECT_EQ(BytePathOf(shownBase + QStringLiteral("/名前.txt")), base + "/名前.txt");

    FileDialogSession session;
    const Choice chosen =
        Choose(session, shownBase, u'"' + shownShiftJis + QStringLiteral("\" \"\uFFFD\uFFFD\""));
    EXPECT_EQ(chosen.result, IDOK);
    EXPECT_EQ(chosen.paths, (std::vector<std::string>{shiftJis, notText}));

    // A name that could be either of two files is refused as missing, and the dialog stays.
    QString refusal;
    bool openAfterRefusal = false;
    RunOnNextModal([&](QWidget* modal) {
        auto* fileDialog = static_cast<QFileDialog*>(modal);
        fileDialog->setDirectory(shownBase);
        fileDialog->selectFile(QStringLiteral("\uFFFDy"));
        RunOnNextModal([&refusal](QWidget* box) {
            refusal = static_cast<QMessageBox*>(box)->text();
            static_cast<QMessageBox*>(box)->accept();
        });
        static_cast<QDialog*>(fileDialog)->accept();
        openAfterRefusal = fileDialog->isVisible();
        fileDialog->reject();
    });
    CFileDialog ambiguous(kAllFiles, session);
    EXPECT_EQ(ambiguous.DoModal(), IDCANCEL);
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("\uFFFDy\n"))) << refusal.toStdString();
    EXPECT_TRUE(openAfterRefusal);
}
