#include "platform/qt/MessageBox.h"

#include "tests/platform/qt/TestDialog.h"
#include "tests/platform/qt/support/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct BoxSeen {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool overDialog = false;
    int width = 0;
};

// Reads the next message box and closes it with its OK button.
void ReadNextBox(BoxSeen& seen, const QWidget* dialogWindow) {
    RunOnNextModal([&seen, dialogWindow](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        seen.text = box->text();
        seen.caption = box->windowTitle();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons.append(button->text());
        seen.overDialog = box->parentWidget() == dialogWindow;
        seen.width = box->width();
        box->button(QMessageBox::Ok)->click();
    });
}

// What a title bar needs at the least: the caption in a bold title font, and beside it four
// square buttons (icon, minimise, maximise, close) as tall as a line of that font.
int TitleBarWidthFor(const QString& caption) {
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    return metrics.horizontalAdvance(caption) + 4 * metrics.height();
}

} // namespace

TEST(MessageBox, ShowsTheTextAndCaptionWithTheIconOfItsType) {
    ProbeDialog dialog;
    BoxSeen information;
    BoxSeen exclamation;
    std::vector<int> results;
    RunModal(dialog, [&](QWidget* window) {
        ReadNextBox(information, window);
        results.push_back(
            dialog.MessageBox("File1 を選択してください。", "確認", MB_OK | MB_ICONINFORMATION));
        ReadNextBox(exclamation, window);
        results.push_back(dialog.combo.MessageBox("\x83\x74\x83\x40\x83\x43\x83\x8B", "Vy",
                                                  MB_OK | MB_ICONEXCLAMATION));
    });
    EXPECT_EQ(results, (std::vector<int>{IDOK, IDOK}));
    EXPECT_EQ(information.text, QStringLiteral("File1 を選択してください。"));
    EXPECT_EQ(information.caption, QStringLiteral("確認"));
    EXPECT_EQ(information.icon, QMessageBox::Information);
    EXPECT_EQ(information.buttons.size(), 1);
    EXPECT_TRUE(information.overDialog);
    EXPECT_EQ(exclamation.text, QStringLiteral("ファイル"));
    EXPECT_EQ(exclamation.icon, QMessageBox::Warning);
    EXPECT_TRUE(exclamation.overDialog);
}

TEST(MessageBox, APresenterStandsInForTheBoxesOfItsWindowUntilItIsCleared) {
    struct Call {
        CWnd* owner;
        std::string text;
        std::string caption;
        unsigned type;
    };
    std::vector<Call> calls;
    ProbeDialog dialog;
    dialog.SetMessageBoxPresenter(
        [&](CWnd* owner, std::string_view text, std::string_view caption, unsigned type) {
            calls.push_back({owner, std::string(text), std::string(caption), type});
            return IDOK;
        });
    const int result = dialog.MessageBox("text", "caption", MB_ICONEXCLAMATION);
    BoxSeen real;
    RunModal(dialog, [&](QWidget* window) {
        // Another window's box, and this one's once the presenter is cleared, are real.
        ReadNextBox(real, window);
        dialog.combo.MessageBox("combo", "caption", MB_OK);
        dialog.SetMessageBoxPresenter({});
        ReadNextBox(real, window);
        dialog.MessageBox("cleared", "caption", MB_OK);
    });
    EXPECT_EQ(real.text, QStringLiteral("cleared"));
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, &dialog);
    EXPECT_EQ(calls[0].text, "text");
    EXPECT_EQ(calls[0].caption, "caption");
    EXPECT_EQ(calls[0].type, MB_ICONEXCLAMATION);
}

TEST(MessageBox, IsWideEnoughForItsCaptionBesideTheTitleBarButtons) {
    ProbeDialog dialog;
    BoxSeen readError;
    BoxSeen fileError;
    BoxSeen longText;
    BoxSeen endlessCaption;
    const std::string longLine(40, 'x');
    const std::string endless(2000, 'W');
    int screenWidth = 0;
    RunModal(dialog, [&](QWidget* window) {
        screenWidth = window->screen()->availableGeometry().width();
        ReadNextBox(readError, window);
        dialog.MessageBox("a.txt", "File Read Error!!!", MB_OK | MB_ICONEXCLAMATION);
        ReadNextBox(fileError, window);
        dialog.MessageBox("同じファイルです", "File Error!!!", MB_OK | MB_ICONINFORMATION);
        ReadNextBox(longText, window);
        dialog.MessageBox(longLine, "Error!!!", MB_OK | MB_ICONINFORMATION);
        ReadNextBox(endlessCaption, window);
        dialog.MessageBox("a.txt", endless, MB_OK | MB_ICONEXCLAMATION);
    });
    EXPECT_EQ(readError.caption, QStringLiteral("File Read Error!!!"));
    EXPECT_GE(readError.width, TitleBarWidthFor(readError.caption));
    EXPECT_GE(fileError.width, TitleBarWidthFor(fileError.caption));
    // A text wider than the caption still sets the width.
    EXPECT_GE(
        longText.width,
        QFontMetrics(QApplication::font()).horizontalAdvance(QString::fromStdString(longLine)));
    // A caption that no title bar could show does not make the box wider than the screen.
    EXPECT_GT(endlessCaption.width, 0);
    EXPECT_LE(endlessCaption.width, screenWidth);
}
