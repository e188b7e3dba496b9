#include "ui/SettingsDlg.h"

#include "platform/qt/Button.h"
#include "platform/qt/WinDefs.h"
#include "res/resource.h"
#include "tests/platform/qt/support/DialogFocus.h"
#include "tests/platform/qt/support/Snapshot.h"
#include "tests/ui/DialogTestSupport.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
const std::initializer_list<int> kSettingsControls = {
    IDOK, IDCANCEL, IDC_MATCH_CASE, IDC_COMPRESS_BLANKS, IDC_MODE_TEXT, IDC_MODE_BINARY};

// The check and enabled state of the dialog's buttons, copied out while it is open.
struct SettingsView {
    bool textChecked = false;
    bool binaryChecked = false;
    bool matchCaseChecked = false;
    bool compressBlanksChecked = false;
    bool textOptionsEnabled = false; // both check boxes and their group box
    bool textOptionsDisabled = false;
    bool operator==(const SettingsView&) const = default;
};

SettingsView ViewOf(CSettingsDlg& dialog) {
    const auto checked = [&](int id) { return ControlOf<CButton>(dialog, id).GetCheck() != 0; };
    const auto enabled = [&](int id) { return dialog.GetDlgItem(id)->IsWindowEnabled(); };
    const int optionsEnabled =
        enabled(IDC_MATCH_CASE) + enabled(IDC_COMPRESS_BLANKS) + enabled(IDC_TEXT_OPTIONS);
    return {checked(IDC_MODE_TEXT),       checked(IDC_MODE_BINARY), checked(IDC_MATCH_CASE),
            checked(IDC_COMPRESS_BLANKS), optionsEnabled == 3,      optionsEnabled == 0};
}

constexpr SettingsView kBinaryView{false, true, false, false, false, true};

// Opens the dialog on these settings, clicks the controls in order, and ends it with the key
// (Escape, Return on the focused OK) or, for 0, with the close box. Returns what it looked like
// when it opened, the result of DoModal and the settings it left.
struct Session {
    SettingsView opened;
    int result = 0;
    CompareSettings settings;
};
Session RunSettings(const CompareSettings& start, std::vector<int> clicks, int endKey) {
    Session session;
    session.settings = start;
    CSettingsDlg dialog(session.settings);
    session.result = RunModal(dialog, [&](QWidget* window) {
        session.opened = ViewOf(dialog);
        for (int id : clicks)
            Click(dialog, id);
        if (endKey == 0)
            window->close();
        else if (window->isVisible())
            QTest::keyClick(window->focusWidget(), static_cast<Qt::Key>(endKey));
    });
    return session;
}
} // namespace

TEST(SettingsDlg, OpensInBinaryWithTheTextOptionsDisabledAndTabsOverOkAndCancel) {
    CompareSettings settings;
    CSettingsDlg dialog(settings);
    SettingsView view;
    int focused = 0;
    std::vector<int> tabs;
    RunModal(dialog, [&](QWidget* window) {
        view = ViewOf(dialog);
        focused = FocusedId(dialog, kSettingsControls);
        SaveSnapshot(window, "settings-binary");
        tabs = TabVisits(dialog, kSettingsControls, 3);
    });
    EXPECT_EQ(view, kBinaryView);
    EXPECT_EQ(focused, IDOK);
    EXPECT_EQ(tabs, (std::vector<int>{IDCANCEL, IDOK, IDCANCEL}));
}

TEST(SettingsDlg, OpensInTextWithTheSavedOptionsAndTabsOverThem) {
    CompareSettings settings{CompareMode::Text, 1, 0};
    CSettingsDlg dialog(settings);
    SettingsView view;
    std::vector<int> tabs;
    RunModal(dialog, [&](QWidget* window) {
        view = ViewOf(dialog);
        SaveSnapshot(window, "settings-text");
        tabs = TabVisits(dialog, kSettingsControls, 4);
    });
    EXPECT_EQ(view, (SettingsView{true, false, true, false, true, false}));
    EXPECT_EQ(tabs, (std::vector<int>{IDCANCEL, IDC_MATCH_CASE, IDC_COMPRESS_BLANKS, IDOK}));
}

TEST(SettingsDlg, OkSavesTheTextOptionsAlsoInBinaryMode) {
    const Session session =
        RunSettings({}, {IDC_MODE_TEXT, IDC_MATCH_CASE, IDC_MODE_BINARY}, Qt::Key_Return);
    EXPECT_EQ(session.result, IDOK);
    EXPECT_EQ(session.settings.mode, CompareMode::Binary);
    EXPECT_EQ(session.settings.matchCase, 1);
    EXPECT_EQ(session.settings.compressBlanks, 0);

    // Both options survive a stay in Binary and come back with Text.
    const Session inBinary =
        RunSettings({CompareMode::Text, 1, 1}, {IDC_MODE_BINARY}, Qt::Key_Return);
    const Session reopened = RunSettings(inBinary.settings, {IDC_MODE_TEXT}, Qt::Key_Return);
    EXPECT_EQ(reopened.opened, (SettingsView{false, true, true, true, false, true}));
    EXPECT_EQ(reopened.settings.mode, CompareMode::Text);
    EXPECT_EQ(reopened.settings.matchCase, 1);
    EXPECT_EQ(reopened.settings.compressBlanks, 1);

    const Session toggled =
        RunSettings({CompareMode::Text, 1, 0},
                    {IDC_COMPRESS_BLANKS, IDC_COMPRESS_BLANKS, IDC_MATCH_CASE}, Qt::Key_Return);
    EXPECT_EQ(toggled.settings.matchCase, 0);
    EXPECT_EQ(toggled.settings.compressBlanks, 0);
}

TEST(SettingsDlg, CancelEscapeAndTheCloseBoxSaveNothing) {
    const CompareSettings saved{CompareMode::Binary, 0, 1};
    const std::vector<int> changes = {IDC_MODE_TEXT, IDC_MATCH_CASE, IDC_COMPRESS_BLANKS};
    for (const int end : {int(Qt::Key_Escape), 0}) {
        const Session session = RunSettings(saved, changes, end);
        EXPECT_EQ(session.result, IDCANCEL) << end;
        EXPECT_EQ(session.settings.mode, CompareMode::Binary) << end;
        EXPECT_EQ(session.settings.matchCase, 0) << end;
        EXPECT_EQ(session.settings.compressBlanks, 1) << end;
    }
    std::vector<int> clicks = changes;
    clicks.push_back(IDCANCEL);
    const Session cancelled = RunSettings(saved, clicks, Qt::Key_Escape);
    EXPECT_EQ(cancelled.result, IDCANCEL);
    const Session next = RunSettings(cancelled.settings, {}, Qt::Key_Escape);
    EXPECT_EQ(next.opened, (SettingsView{false, true, false, true, false, true}));
}
