#include "MessageBox.h"

#include "ModalDriver.h"
#include "TestDialog.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct BoxSeen {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool overDialog = false;
};

// Reads the next message box and closes it with its OK button.
void ReadNextBox(BoxSeen& seen, const QWidget* dialogWindow) {
    RunOnNextModal([&seen, dialogWindow](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        seen.text = box->text();
        seen.caption = box->windowTitle();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons.append(button->text());
        }
        seen.overDialog = box->parentWidget() == dialogWindow;
        box->button(QMessageBox::Ok)->click();
    });
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

TEST(MessageBox, APresenterStandsInUntilItIsCleared) {
    struct Call {
        CWnd* owner;
        std::string text;
        std::string caption;
        unsigned type;
    };
    std::vector<Call> calls;
    SetMessageBoxPresenter(
        [&](CWnd* owner, std::string_view text, std::string_view caption, unsigned type) {
            calls.push_back({owner, std::string(text), std::string(caption), type});
            return IDOK;
        });
    ProbeDialog dialog;
    const int result = dialog.MessageBox("text", "caption", MB_ICONEXCLAMATION);
    SetMessageBoxPresenter({});
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, &dialog);
    EXPECT_EQ(calls[0].text, "text");
    EXPECT_EQ(calls[0].caption, "caption");
    EXPECT_EQ(calls[0].type, MB_ICONEXCLAMATION);
}
