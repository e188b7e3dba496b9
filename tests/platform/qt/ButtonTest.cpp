#include "platform/qt/Button.h"

#include "tests/platform/qt/TestDialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// "テスト" in Shift-JIS.
const std::string kShiftJis = "\x83\x65\x83\x58\x83\x67";

} // namespace

TEST(Button, CheckStateSurvivesDisablingAndEnabling) {
    ProbeDialog dialog;
    std::vector<int> checks;
    RunModal(dialog, [&](QWidget*) {
        checks.push_back(dialog.wrapCheck.GetCheck());
        dialog.wrapCheck.SetCheck(BST_CHECKED);
        dialog.wrapCheck.EnableWindow(false);
        checks.push_back(dialog.wrapCheck.GetCheck());
        checks.push_back(dialog.wrapCheck.IsWindowEnabled());
        dialog.wrapCheck.EnableWindow(true);
        checks.push_back(dialog.wrapCheck.GetCheck());
        dialog.wrapCheck.SetCheck(BST_UNCHECKED);
        checks.push_back(dialog.wrapCheck.GetCheck());
    });
    EXPECT_EQ(checks,
              (std::vector<int>{BST_UNCHECKED, BST_CHECKED, 0, BST_CHECKED, BST_UNCHECKED}));
}

TEST(Button, WindowTextsAreBytesShownDecoded) {
    ProbeDialog dialog;
    QString labelShown;
    QString frameShown;
    QString buttonShown;
    QString captionShown;
    std::string labelRead;
    std::string frameRead;
    std::string templateRead;
    RunModal(dialog, [&](QWidget* window) {
        dialog.label.SetWindowText(kShiftJis);
        dialog.dropBox.SetWindowText(kShiftJis + "1");
        dialog.GetDlgItem(kRun)->SetWindowText("\xE5\xAE\x9F");
        dialog.SetWindowText(std::string("a\0b", 3));
        labelShown = static_cast<QLabel*>(dialog.label.Widget())->text();
        frameShown = static_cast<QGroupBox*>(dialog.dropBox.Widget())->title();
        buttonShown = static_cast<QAbstractButton*>(dialog.GetDlgItem(kRun)->Widget())->text();
        captionShown = window->windowTitle();
        labelRead = dialog.label.GetWindowText();
        frameRead = dialog.dropBox.GetWindowText();
        templateRead = dialog.GetDlgItem(kBrowse)->GetWindowText();
    });
    EXPECT_EQ(labelShown, QStringLiteral("テスト"));
    EXPECT_EQ(frameShown, QStringLiteral("テスト1"));
    EXPECT_EQ(buttonShown, QStringLiteral("実"));
    EXPECT_EQ(captionShown, QStringLiteral("a\u2400b"));
    EXPECT_EQ(labelRead, kShiftJis);
    EXPECT_EQ(frameRead, kShiftJis + "1");
    EXPECT_EQ(templateRead, "参照");
}
