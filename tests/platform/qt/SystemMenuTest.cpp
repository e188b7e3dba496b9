#include "platform/qt/Menu.h"

#include "tests/platform/qt/TestDialog.h"
#include "tests/platform/qt/support/DialogFocus.h"
#include "tests/platform/qt/support/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

struct PopupItem {
    QString text;
    bool enabled = false;
    bool separator = false;
    bool operator==(const PopupItem&) const = default;
};

// Copies what the next popup holds, then clicks the item with the given text (or closes the
// popup when no item has it).
void ChooseOnNextPopup(std::vector<PopupItem>& seen, const QString& choice) {
    RunOnNextPopup([&seen, choice](QWidget* popup) {
        auto* menu = static_cast<QMenu*>(popup);
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            seen.push_back({action->text(), action->isEnabled(), action->isSeparator()});
            if (action->text() == choice)
                chosen = action;
        }
        if (chosen)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        else
            menu->close();
    });
}

void RightClickAt(QWidget* window, const QPoint& pos) {
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, pos);
}

} // namespace

TEST(SystemMenu, HoldsTheUsualItemsAndWhatTheDialogAdds) {
    ProbeDialog dialog;
    std::vector<CMenu::Item> items;
    std::vector<int> enableResults;
    RunModal(dialog, [&](QWidget*) {
        CMenu* menu = dialog.GetSystemMenu();
        items = menu->Items();
        enableResults = {
            menu->EnableMenuItem(SC_MAXIMIZE, MF_GRAYED), menu->EnableMenuItem(SC_MOVE, MF_GRAYED),
            menu->EnableMenuItem(SC_MOVE, MF_ENABLED), menu->EnableMenuItem(0x7777, 0)};
    });
    const std::vector<std::pair<unsigned, std::string>> expected = {
        {SC_RESTORE, "元のサイズに戻す(&R)"},
        {SC_MOVE, "移動(&M)"},
        {SC_SIZE, "サイズ変更(&S)"},
        {SC_MINIMIZE, "最小化(&N)"},
        {SC_MAXIMIZE, "最大化(&X)"},
        {0, ""},
        {SC_CLOSE, "閉じる(&C)"},
        {0, ""},
        {0x0010, "ﾊﾞｰｼﾞｮﾝ情報 (&A)..."}};
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t index = 0; index < items.size(); ++index) {
        EXPECT_EQ(items[index].id, expected[index].first) << index;
        EXPECT_EQ(items[index].text, expected[index].second) << index;
    }
    EXPECT_EQ(items[5].flags, MF_SEPARATOR);
    EXPECT_EQ(items[4].flags, MF_GRAYED);
    EXPECT_EQ(enableResults, (std::vector<int>{1, 0, 1, -1}));

    DefaultButtonDialog withoutMenu;
    CMenu* menu = reinterpret_cast<CMenu*>(1);
    RunModal(withoutMenu, [&](QWidget*) { menu = withoutMenu.GetSystemMenu(); });
    EXPECT_EQ(menu, nullptr);
}

TEST(SystemMenu, RightClickOnTheBackgroundPopsItUpAndSendsTheChoice) {
    ProbeDialog dialog;
    std::vector<PopupItem> seen;
    const int result = RunModal(dialog, [&](QWidget* window) {
        ChooseOnNextPopup(seen, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 (&A)..."));
        RightClickAt(window, {3, 3});
    });
    EXPECT_EQ(result, kLeftOpen);
    EXPECT_EQ(dialog.sysCommands, (std::vector<unsigned>{0x0010}));
    const std::vector<PopupItem> expected = {
        {QStringLiteral("元のサイズに戻す(&R)"), false, false},
        {QStringLiteral("移動(&M)"), true, false},
        {QStringLiteral("サイズ変更(&S)"), false, false},
        {QStringLiteral("最小化(&N)"), true, false},
        {QStringLiteral("最大化(&X)"), false, false},
        {QString(), true, true},
        {QStringLiteral("閉じる(&C)"), true, false},
        {QString(), true, true},
        {QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 (&A)..."), true, false},
    };
    EXPECT_EQ(seen, expected);
}

TEST(SystemMenu, CloseFromTheMenuOverAFrameEndsTheDialogThroughOnCancel) {
    ProbeDialog dialog;
    std::vector<PopupItem> seen;
    const int result = RunModal(dialog, [&](QWidget* window) {
        ChooseOnNextPopup(seen, QStringLiteral("閉じる(&C)"));
        const QRect frame = dialog.GetDlgItem(kFrame)->Widget()->geometry();
        RightClickAt(window, frame.bottomRight() - QPoint(2, 2));
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.sysCommands, (std::vector<unsigned>{SC_CLOSE}));
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init", "cancel"}));
}

TEST(SystemMenu, AltSpacePopsItUp) {
    ProbeDialog dialog;
    std::vector<PopupItem> seen;
    RunModal(dialog, [&](QWidget* window) {
        ChooseOnNextPopup(seen, QString());
        QTest::keyClick(window->focusWidget(), Qt::Key_Space, Qt::AltModifier);
    });
    EXPECT_EQ(seen.size(), 9u);
    EXPECT_TRUE(dialog.sysCommands.empty());
}

TEST(SystemMenu, SysCommandsTakeTheirDefaultHandling) {
    ProbeDialog dialog;
    bool minimised = false;
    const int result = RunModal(dialog, [&](QWidget* window) {
        dialog.SendSysCommand(SC_MINIMIZE);
        minimised = window->isMinimized() && dialog.IsIconic();
        dialog.SendSysCommand(SC_RESTORE);
        dialog.SendSysCommand(SC_CLOSE | 0x3);
    });
    EXPECT_TRUE(minimised);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.sysCommands, (std::vector<unsigned>{SC_MINIMIZE, SC_RESTORE, SC_CLOSE | 0x3}));
}

TEST(SystemMenu, MoveTakesArrowKeysUntilEnterKeepsOrEscapeUndoes) {
    ProbeDialog dialog;
    QPoint afterEnter;
    QPoint afterEscape;
    bool moveCursorWhileMoving = false;
    bool cursorBackAfter = false;
    bool activeAfter = false;
    int focusAfter = 0;
    const int result = RunModal(dialog, [&](QWidget* window) {
        window->activateWindow();
        const QPoint start = window->pos();
        dialog.SendSysCommand(SC_MOVE);
        const QCursor* cursor = QApplication::overrideCursor();
        moveCursorWhileMoving = cursor && cursor->shape() == Qt::SizeAllCursor;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(window->focusWidget(), key);
        QCoreApplication::processEvents();
        afterEnter = window->pos() - start;
        dialog.SendSysCommand(SC_MOVE);
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Up, Qt::Key_Escape})
            QTest::keyClick(window->focusWidget(), key);
        QCoreApplication::processEvents();
        afterEscape = window->pos() - start;
        cursorBackAfter = QApplication::overrideCursor() == nullptr;
        activeAfter = window->isActiveWindow();
        focusAfter = FocusedId(dialog, kProbeFocusIds);
    });
    EXPECT_EQ(afterEnter, QPoint(16, 8));
    EXPECT_EQ(afterEscape, QPoint(16, 8)) << "Escape puts the window back where the move began";
    EXPECT_TRUE(moveCursorWhileMoving);
    EXPECT_TRUE(cursorBackAfter);
    EXPECT_TRUE(activeAfter);
    EXPECT_EQ(focusAfter, kCombo);
    // Neither Enter nor Escape reached the dialog while they served the move.
    EXPECT_EQ(result, kLeftOpen);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init"}));
}

TEST(SystemMenu, AClickEndsAMoveWithoutReachingTheControlUnderIt) {
    ProbeDialog dialog;
    bool endedByClick = false;
    const int result = RunModal(dialog, [&](QWidget* window) {
        dialog.SendSysCommand(SC_MOVE);
        QWidget* run = dialog.GetDlgItem(kRun)->Widget();
        QTest::mouseClick(run, Qt::LeftButton);
        endedByClick = QApplication::overrideCursor() == nullptr;
        // Keys reach the dialog again: Escape ends it.
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
    });
    EXPECT_TRUE(endedByClick);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init", "cancel"}));
}
