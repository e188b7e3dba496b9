#include "ui/CompareDlg.h"

#include "platform/qt/WinDefs.h"
#include "res/resource.h"
#include "tests/platform/qt/support/DialogFocus.h"
#include "tests/platform/qt/support/ModalDriver.h"
#include "tests/platform/qt/support/Snapshot.h"
#include "tests/ui/DialogTestSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {
constexpr std::string_view kBinaryCaption = "ﾌｧｲﾙ比較 Vy   (ﾊﾞｲﾅﾘ比較)";
constexpr std::string_view kTextCaption = "ﾌｧｲﾙ比較 Vy   (ﾃｷｽﾄ比較)";
constexpr std::string_view kAboutItem = "ﾊﾞｰｼﾞｮﾝ情報(Vy) (&A)...";

const std::initializer_list<int> kMainControls = {IDC_FILE1_COMBO, IDC_BROWSE1,     IDC_FILE2_COMBO,
                                                  IDC_BROWSE2,     IDC_RESULT_LIST, IDC_SETTINGS,
                                                  IDC_EXECUTE,     IDCANCEL};

// What an About box showed, copied out before it was closed.
struct AboutSeen {
    std::string title;
    std::string focusedText;
    // The window the box stands over for the window manager, which decorates and minimises
    // it with that window.
    const QWindow* transientParent = nullptr;
};

// Looks at the next modal window, which should be the About box, and closes it with the key.
void CloseNextAbout(AboutSeen& seen, Qt::Key key, std::string_view snapshot = {}) {
    RunOnNextModal([&seen, key, snapshot](QWidget* about) {
        seen.title = about->windowTitle().toStdString();
        seen.transientParent = about->windowHandle()->transientParent();
        if (auto* button = qobject_cast<QAbstractButton*>(about->focusWidget()))
            seen.focusedText = button->text().toStdString();
        if (!snapshot.empty())
            SaveSnapshot(about, snapshot);
        QTest::keyClick(about->focusWidget(), key);
    });
}

// What assistive technology is told of a control: its role, name and description.
std::string Announced(QWidget* control) {
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return "none";
    return std::to_string(accessible->role()) + ' ' +
           accessible->text(QAccessible::Name).toStdString() + " / " +
           accessible->text(QAccessible::Description).toStdString();
}

} // namespace

TEST(CompareDlg, AssistiveTechnologyHearsEveryControlByNameAndRadioButtonsAsSuch) {
    CompareSettings compareSettings;
    CCompareDlg dialog(compareSettings);
    std::vector<std::string> main;
    std::vector<std::string> settings;
    bool settingsOverMain = false;
    RunModal(
        dialog,
        [&](QWidget* mainWindow) {
            for (int id :
                 {IDC_FILE1_COMBO, IDC_RESULT_LIST, IDC_NAME2, IDC_DIFF_SUMMARY, IDC_EXECUTE})
                main.push_back(Announced(dialog.GetDlgItem(id)->Widget()));
            RunOnNextModal([&settings, &settingsOverMain, mainWindow](QWidget* window) {
                settingsOverMain =
                    window->windowHandle()->transientParent() == mainWindow->windowHandle();
                for (const char* text : {"ﾃｷｽﾄ", "ﾊﾞｲﾅﾘ", "大文字／小文字を区別します"})
                    settings.push_back(Announced(ButtonWithText(window, text)));
                QTest::keyClick(window, Qt::Key_Escape);
            });
            Click(dialog, IDC_SETTINGS);
        });
    const auto role = [](QAccessible::Role value) { return std::to_string(value) + ' '; };
    EXPECT_EQ(main, (std::vector<std::string>{
                        role(QAccessible::ComboBox) + "File1 / ",
                        role(QAccessible::List) + "結果 / ",
                        role(QAccessible::StaticText) + " / File2",
                        role(QAccessible::StaticText) + " / 違い",
                        role(QAccessible::Button) + "実行 / ",
                    }));
    EXPECT_EQ(settings, (std::vector<std::string>{
                            role(QAccessible::RadioButton) + "ﾃｷｽﾄ / ",
                            role(QAccessible::RadioButton) + "ﾊﾞｲﾅﾘ / ",
                            role(QAccessible::CheckBox) + "大文字／小文字を区別します / ",
                        }));
    EXPECT_TRUE(settingsOverMain);
}

TEST(CompareDlg, OpensEmptyInBinaryModeWithTheFocusOnFile1) {
    // The settings as the application starts them.
    CompareSettings settings;
    CCompareDlg dialog(settings);
    int focused = 0;
    bool hasIcon = false;
    const int result = RunModal(dialog, [&](QWidget* window) {
        focused = FocusedId(dialog, kMainControls);
        hasIcon = !window->windowIcon().isNull();
        SaveSnapshot(window, "main-empty");
    });
    EXPECT_EQ(result, kLeftOpen);
    EXPECT_EQ(focused, IDC_FILE1_COMBO);
    EXPECT_TRUE(hasIcon);
    EXPECT_EQ(dialog.GetWindowText(), kBinaryCaption);
    EXPECT_EQ(settings.mode, CompareMode::Binary);
    EXPECT_EQ(settings.matchCase, 0);
    EXPECT_EQ(settings.compressBlanks, 0);
    for (int label : {IDC_NAME1, IDC_NAME2, IDC_LENGTH_VERDICT, IDC_DIFF_SUMMARY})
        EXPECT_EQ(dialog.GetDlgItem(label)->GetWindowText(), "") << label;
    EXPECT_EQ(ControlOf<CListBox>(dialog, IDC_RESULT_LIST).GetCount(), 0);
    for (int combo : {IDC_FILE1_COMBO, IDC_FILE2_COMBO}) {
        EXPECT_EQ(ControlOf<CComboBox>(dialog, combo).GetCount(), 0);
        EXPECT_EQ(ControlOf<CComboBox>(dialog, combo).GetCurSel(), CB_ERR);
    }
}

TEST(CompareDlg, SystemMenuEndsWithTheAboutItemAndGraysMaximizeAndSize) {
    CompareSettings settings;
    CCompareDlg dialog(settings);
    std::vector<CMenu::Item> items;
    RunModal(dialog, [&](QWidget*) { items = dialog.GetSystemMenu()->Items(); });
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2].flags, MF_SEPARATOR);
    EXPECT_EQ(items.back().id, IDM_ABOUTBOX);
    EXPECT_EQ(items.back().text, kAboutItem);
    for (const CMenu::Item& item : items) {
        const bool grayed = item.id == SC_MAXIMIZE || item.id == SC_SIZE;
        EXPECT_EQ((item.flags & MF_GRAYED) != 0, grayed) << item.text;
    }
}

TEST(CompareDlg, CaptionFollowsTheModeWheneverTheSettingsDialogCloses) {
    CompareSettings settings;
    CCompareDlg dialog(settings);
    std::string afterTextChosen;
    std::string afterCancelInText;
    std::string afterOddModeCancelled;
    bool oddModeOpenedInBinary = false;
    CompareMode oddModeAfterCancel = CompareMode::Binary;
    RunModal(dialog, [&](QWidget*) {
        UseSettingsDialog(dialog, {"ﾃｷｽﾄ", "OK"}, Qt::Key_Escape);
        afterTextChosen = dialog.GetWindowText();
        UseSettingsDialog(dialog, {"ﾊﾞｲﾅﾘ", "ｷｬﾝｾﾙ"}, Qt::Key_Escape);
        afterCancelInText = dialog.GetWindowText();
        settings.mode = static_cast<CompareMode>(7);
        oddModeOpenedInBinary = UseSettingsDialog(dialog, {}, Qt::Key_Escape);
        afterOddModeCancelled = dialog.GetWindowText();
        oddModeAfterCancel = settings.mode;
    });
    EXPECT_EQ(afterTextChosen, kTextCaption);
    EXPECT_EQ(afterCancelInText, kTextCaption);
    EXPECT_TRUE(oddModeOpenedInBinary);
    EXPECT_EQ(afterOddModeCancelled, kBinaryCaption);
    EXPECT_EQ(oddModeAfterCancel, static_cast<CompareMode>(7));
}

TEST(CompareDlg, AboutBoxOpensForItsSystemCommandWhateverTheLowFourBits) {
    CompareSettings settings;
    CCompareDlg dialog(settings);
    AboutSeen plain;
    AboutSeen withLowBits;
    AboutSeen fromMenu;
    std::string captionAfter;
    const QWindow* mainHandle = nullptr;
    const int result = RunModal(dialog, [&](QWidget* window) {
        mainHandle = window->windowHandle();
        CloseNextAbout(plain, Qt::Key_Return, "about");
        dialog.SendSysCommand(0x0010);
        CloseNextAbout(withLowBits, Qt::Key_Escape);
        dialog.SendSysCommand(0x0013);

        CloseNextAbout(fromMenu, Qt::Key_Return);
        RunOnNextPopup([](QWidget* popup) {
            auto* menu = static_cast<QMenu*>(popup);
            for (QAction* action : menu->actions()) {
                if (action->text() == QString::fromUtf8(kAboutItem.data(), kAboutItem.size())) {
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(action).center());
                    return;
                }
            }
            menu->close();
        });
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, QPoint(3, 3));
        captionAfter = dialog.GetWindowText();
    });
    EXPECT_EQ(result, kLeftOpen);
    for (const AboutSeen& seen : {plain, withLowBits, fromMenu}) {
        EXPECT_EQ(seen.title, "ﾊﾞｰｼﾞｮﾝ情報");
        EXPECT_EQ(seen.focusedText, "OK");
        EXPECT_EQ(seen.transientParent, mainHandle);
    }
    EXPECT_EQ(captionAfter, kBinaryCaption);
}

TEST(CompareDlg, EnterEndsTheDialogExceptOnAPushButtonAndEscapeCancels) {
    MessageBoxRecorder messages;
    const auto endsWith = [&messages](int id, Qt::Key key) {
        CompareSettings settings;
        CCompareDlg dialog(settings);
        dialog.SetMessageBoxPresenter(messages.Presenter());
        return RunModal(dialog, [&](QWidget*) { PressKeyOn(dialog, id, key); });
    };
    EXPECT_EQ(endsWith(IDC_FILE1_COMBO, Qt::Key_Return), IDOK);
    EXPECT_EQ(endsWith(IDC_FILE2_COMBO, Qt::Key_Enter), IDOK);
    EXPECT_EQ(endsWith(IDC_RESULT_LIST, Qt::Key_Return), IDOK);
    EXPECT_EQ(endsWith(IDC_FILE1_COMBO, Qt::Key_Escape), IDCANCEL);
    EXPECT_EQ(endsWith(IDCANCEL, Qt::Key_Return), IDCANCEL);
    EXPECT_TRUE(messages.boxes.empty());

    EXPECT_EQ(endsWith(IDC_EXECUTE, Qt::Key_Return), kLeftOpen);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "File1 を指定してください");

    CompareSettings settings;
    CCompareDlg clicked(settings);
    EXPECT_EQ(RunModal(clicked, [&](QWidget*) { Click(clicked, IDCANCEL); }), IDCANCEL);
    CCompareDlg closed(settings);
    EXPECT_EQ(RunModal(closed, [&](QWidget* window) { window->close(); }), IDCANCEL);
}
