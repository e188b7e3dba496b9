#include "tests/platform/qt/TestDialog.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

void PressOn(QWidget* window, int id, CDialog& dialog, Qt::Key key) {
    QWidget* control = dialog.GetDlgItem(id)->Widget();
    control->setFocus();
    QTest::keyClick(window->focusWidget(), key);
}

} // namespace

TEST(DialogKeys, EnterWithoutAButtonToPressSendsIdOk) {
    ProbeDialog inCombo;
    EXPECT_EQ(RunModal(inCombo,
                       [&](QWidget* window) { PressOn(window, kCombo, inCombo, Qt::Key_Return); }),
              IDOK);
    EXPECT_EQ(inCombo.events, (Events{"init", "ok"}));

    ProbeDialog inList;
    EXPECT_EQ(
        RunModal(inList, [&](QWidget* window) { PressOn(window, kList, inList, Qt::Key_Enter); }),
        IDOK);
    EXPECT_EQ(inList.events, (Events{"init", "ok"}));
}

TEST(DialogKeys, EnterPressesTheFocusedPushButton) {
    ProbeDialog dialog;
    EXPECT_EQ(
        RunModal(dialog, [&](QWidget* window) { PressOn(window, kRun, dialog, Qt::Key_Return); }),
        kLeftOpen);
    EXPECT_EQ(dialog.events, (Events{"init", "run"}));

    DefaultButtonDialog onCancel;
    EXPECT_EQ(
        RunModal(onCancel,
                 [&](QWidget* window) { PressOn(window, IDCANCEL, onCancel, Qt::Key_Return); }),
        IDCANCEL);
    EXPECT_EQ(onCancel.events, (Events{"cancel"}));
}

TEST(DialogKeys, EnterElsewherePressesTheDefaultButton) {
    DefaultButtonDialog dialog;
    EXPECT_EQ(
        RunModal(dialog,
                 [&](QWidget* window) { PressOn(window, kWrapCheck, dialog, Qt::Key_Return); }),
        IDOK);
    EXPECT_EQ(dialog.events, (Events{"ok"}));
}

TEST(DialogKeys, EscapeAndTheCloseBoxSendIdCancel) {
    ProbeDialog escaped;
    EXPECT_EQ(RunModal(escaped,
                       [&](QWidget* window) { PressOn(window, kList, escaped, Qt::Key_Escape); }),
              IDCANCEL);
    EXPECT_EQ(escaped.events, (Events{"init", "cancel"}));

    ProbeDialog closed;
    EXPECT_EQ(RunModal(closed, [&](QWidget* window) { window->close(); }), IDCANCEL);
    EXPECT_EQ(closed.events, (Events{"init", "cancel"}));
}
