#include "platform/qt/Dialog.h"

#include "platform/qt/WinApp.h"
#include "tests/platform/qt/TestDialog.h"
#include "tests/platform/qt/support/DialogFocus.h"
#include "tests/platform/qt/support/Snapshot.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool Checked(CDialog& dialog, int id) {
    return static_cast<QAbstractButton*>(dialog.GetDlgItem(id)->Widget())->isChecked();
}

// A click as the window system delivers it: to whatever control lies at that point.
void ClickAt(QWidget* window, const QPoint& pos) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, pos);
}

QPoint CentreOf(CDialog& dialog, int id) {
    return dialog.GetDlgItem(id)->Widget()->geometry().center();
}

} // namespace

TEST(Dialog, BindsHandlesOnceAndHandsThemOut) {
    ProbeDialog dialog;
    bool sameHandles = false;
    bool rebindKeepsHandle = false;
    QString caption;
    RunModal(dialog, [&](QWidget* window) {
        sameHandles = dialog.GetDlgItem(kCombo) == &dialog.combo &&
                      dialog.GetDlgItem(kList) == &dialog.list && dialog.combo.Widget() != nullptr;
        CDataExchange exchange(dialog);
        CComboBox other;
        DDX_Control(&exchange, kCombo, other);
        rebindKeepsHandle = dialog.GetDlgItem(kCombo) == &dialog.combo;
        caption = window->windowTitle();
    });
    EXPECT_TRUE(sameHandles);
    EXPECT_TRUE(rebindKeepsHandle);
    EXPECT_EQ(caption, QStringLiteral("Probe テスト"));
    EXPECT_EQ(dialog.events.front(), "init");
    EXPECT_EQ(dialog.GetDlgItem(9999), nullptr);
}

TEST(Dialog, ClicksReachTheirHandlersAndIdCancelReachesOnCancel) {
    ProbeDialog dialog;
    const int result = RunModal(dialog, [&](QWidget*) {
        QTest::mouseClick(dialog.GetDlgItem(kBrowse)->Widget(), Qt::LeftButton);
        QTest::mouseClick(dialog.GetDlgItem(kDisabledButton)->Widget(), Qt::LeftButton);
        QTest::mouseClick(dialog.GetDlgItem(IDCANCEL)->Widget(), Qt::LeftButton);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init", "browse", "cancel"}));
}

TEST(Dialog, ButtonsChangeTheirStateBeforeTheHandlerRuns) {
    ProbeDialog dialog;
    RunModal(dialog, [&](QWidget* window) {
        ClickAt(window, CentreOf(dialog, kWrapCheck));
        ClickAt(window, CentreOf(dialog, kRadioA));
        ClickAt(window, CentreOf(dialog, kWrapCheck));
    });
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init", "wrap 1", "radio A 1", "wrap 0"}));
}

TEST(Dialog, RadioGroupsRunFromOneGroupStartToTheNext) {
    ProbeDialog dialog;
    std::vector<bool> afterB;
    std::vector<bool> afterC;
    std::vector<bool> afterBAgain;
    std::vector<bool> afterSetCheck;
    RunModal(dialog, [&](QWidget* window) {
        const auto states = [&] {
            return std::vector<bool>{Checked(dialog, kRadioA), Checked(dialog, kRadioB),
                                     Checked(dialog, kRadioC)};
        };
        ClickAt(window, CentreOf(dialog, kRadioA));
        ClickAt(window, CentreOf(dialog, kRadioB));
        afterB = states();
        ClickAt(window, CentreOf(dialog, kRadioC));
        afterC = states();
        ClickAt(window, CentreOf(dialog, kRadioB));
        afterBAgain = states();
        dialog.radioA.SetCheck(BST_CHECKED);
        afterSetCheck = states();
    });
    EXPECT_EQ(afterB, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(afterC, (std::vector<bool>{false, true, true}));
    // A click on the checked button keeps it checked.
    EXPECT_EQ(afterBAgain, (std::vector<bool>{false, true, true}));
    // Setting the check from code touches that button alone.
    EXPECT_EQ(afterSetCheck, (std::vector<bool>{true, true, true}));
}

TEST(Dialog, TabFollowsTemplateOrderOverEnabledTabStops) {
    ProbeDialog dialog;
    std::vector<int> forward;
    std::vector<int> backward;
    RunModal(dialog, [&](QWidget* window) {
        for (int step = 0; step < 6; ++step) {
            forward.push_back(FocusedId(dialog, kProbeFocusIds));
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        }
        for (int step = 0; step < 2; ++step) {
            QTest::keyClick(window->focusWidget(), Qt::Key_Backtab);
            backward.push_back(FocusedId(dialog, kProbeFocusIds));
        }
    });
    EXPECT_EQ(forward, (std::vector<int>{kCombo, kBrowse, kWrapCheck, kList, kRun, IDCANCEL}));
    EXPECT_EQ(backward, (std::vector<int>{IDCANCEL, kRun}));
}

TEST(Dialog, FirstFocusGoesToTheFirstTabStop) {
    ProbeDialog dialog;
    int focused = 0;
    RunModal(dialog, [&](QWidget*) { focused = FocusedId(dialog, kProbeFocusIds); });
    EXPECT_EQ(focused, kCombo);
}

TEST(Dialog, FramesLetClicksThroughToTheControlsTheySurround) {
    ProbeDialog dialog;
    bool frameUnderCheck = false;
    RunModal(dialog, [&](QWidget* window) {
        frameUnderCheck =
            dialog.GetDlgItem(kFrame)->Widget()->geometry().contains(CentreOf(dialog, kWrapCheck));
        ClickAt(window, CentreOf(dialog, kWrapCheck));
    });
    EXPECT_TRUE(frameUnderCheck);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"init", "wrap 1"}));
}

TEST(Dialog, WindowIsFixedWithAMinimiseBoxAndNoMaximiseBox) {
    ProbeDialog dialog;
    Qt::WindowFlags flags;
    QSize minimum;
    QSize maximum;
    RunModal(dialog, [&](QWidget* window) {
        flags = window->windowFlags();
        minimum = window->minimumSize();
        maximum = window->maximumSize();
        SaveSnapshot(window, "platform-probe-dialog");
    });
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(minimum, maximum);

    // Without a system menu the window manager is asked for a caption and nothing else.
    DefaultButtonDialog plain;
    RunModal(plain, [&](QWidget* window) { flags = window->windowFlags(); });
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
}

TEST(Dialog, ControlsShowTheirTemplateStyles) {
    ProbeDialog dialog;
    Qt::Alignment frameAlignment;
    Qt::Alignment labelAlignment;
    bool labelWraps = true;
    bool disabled = false;
    RunModal(dialog, [&](QWidget*) {
        frameAlignment = static_cast<QGroupBox*>(dialog.GetDlgItem(kFrame)->Widget())->alignment();
        const auto* label = static_cast<QLabel*>(dialog.label.Widget());
        labelAlignment = label->alignment();
        labelWraps = label->wordWrap();
        disabled = !dialog.GetDlgItem(kDisabledButton)->IsWindowEnabled();
    });
    EXPECT_EQ(frameAlignment, Qt::AlignHCenter);
    EXPECT_EQ(labelAlignment, Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_FALSE(labelWraps);
    EXPECT_TRUE(disabled);
}

TEST(Dialog, EndingDuringInitSkipsTheModalLoop) {
    class EndsAtOnce : public ProbeDialog {
    protected:
        bool OnInitDialog() override {
            ProbeDialog::OnInitDialog();
            EndDialog(IDOK);
            return true;
        }
    };
    EndsAtOnce dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(Dialog, OpensCentredAndADialogWithoutParentStandsOverTheMainWindow) {
    ProbeDialog main;
    CWinApp app;
    app.mainWindow = &main;
    QPoint mainCentre;
    QPoint screenCentre;
    const QWidget* innerOwner = nullptr;
    const QWidget* mainWindow = nullptr;
    RunModal(main, [&](QWidget* window) {
        mainWindow = window;
        mainCentre = window->frameGeometry().center();
        screenCentre = window->screen()->availableGeometry().center();
        DefaultButtonDialog inner;
        RunModal(inner, [&](QWidget* innerWindow) { innerOwner = innerWindow->parentWidget(); });
    });
    // The window frame is centred, to the pixel that an odd leftover allows.
    const QPoint offset = mainCentre - screenCentre;
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);
    EXPECT_EQ(innerOwner, mainWindow);
}
