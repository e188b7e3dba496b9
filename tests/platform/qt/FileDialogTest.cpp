#include "FileDialog.h"

#include "FileFilter.h"
#include "ModalDriver.h"
#include "WinDefs.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr std::string_view kAllFiles = "すべてのﾌｧｲﾙ (*.*)|*.*|";
constexpr unsigned kFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ALLOWMULTISELECT;

std::vector<std::string> Walk(const CFileDialog& dialog) {
    std::vector<std::string> paths;
    for (std::size_t position = dialog.GetStartPosition(); position != 0;) {
        paths.push_back(dialog.GetNextPathName(position));
    }
    return paths;
}

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(FileDialog, FilterNamesShowAsGivenAndStarDotStarMatchesEveryName) {
    EXPECT_EQ(ToNameFilters(kAllFiles), QStringList{QStringLiteral("すべてのﾌｧｲﾙ (*.*) (*)")});
    EXPECT_EQ(ToNameFilters("Text|*.txt;*.log|All|*.*|"),
              (QStringList{QStringLiteral("Text (*.txt *.log)"), QStringLiteral("All (*)")}));
    EXPECT_TRUE(ToNameFilters("").isEmpty());
}

TEST(FileDialog, APresenterStandsInAndThePathsWalkInOrder) {
    std::vector<bool> sawOpenDialog;
    CFileDialog::SetPresenter([&](const CFileDialog& dialog) {
        sawOpenDialog.push_back(dialog.IsOpenDialog() && dialog.Flags() == kFlags &&
                                dialog.Filter() == kAllFiles);
        return std::optional<std::vector<std::string>>(
            std::vector<std::string>{"/p/one", "/p/\x83\x65.txt", "/p/three"});
    });
    CFileDialog dialog(true, "", "", kFlags, kAllFiles);
    const int result = dialog.DoModal();
    const std::vector<std::string> paths = Walk(dialog);

    CFileDialog::SetPresenter([](const CFileDialog&) { return std::nullopt; });
    CFileDialog cancelled(true, "", "", kFlags, kAllFiles);
    const int cancelResult = cancelled.DoModal();

    CFileDialog::SetPresenter(
        [](const CFileDialog&) { return std::optional(std::vector<std::string>{}); });
    CFileDialog empty(true, "", "", kFlags, kAllFiles);
    const int emptyResult = empty.DoModal();
    CFileDialog::SetPresenter({});

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(sawOpenDialog, std::vector<bool>{true});
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
    CFileDialog dialog(true, "", "", kFlags, kAllFiles);
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
