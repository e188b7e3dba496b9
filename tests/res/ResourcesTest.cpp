#include "res/Resources.h"

#include "platform/resource/DialogTemplate.h"
#include "platform/resource/WindowStyles.h"
#include "res/MainIcon.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {
std::vector<int> ControlIds(const DialogTemplate& dialogTemplate) {
    std::vector<int> ids;
    for (const DialogControl& control : dialogTemplate.controls)
        ids.push_back(control.id);
    return ids;
}

std::vector<std::uint32_t> ControlStyles(const DialogTemplate& dialogTemplate) {
    std::vector<std::uint32_t> styles;
    for (const DialogControl& control : dialogTemplate.controls)
        styles.push_back(control.style);
    return styles;
}

std::vector<int> TabStops(const DialogTemplate& dialogTemplate) {
    std::vector<int> ids;
    for (const DialogControl& control : dialogTemplate.controls)
        if (control.style & style::WS_TABSTOP)
            ids.push_back(control.id);
    return ids;
}
} // namespace

TEST(Resources, MainDialogTemplateHasItsControlsInTabOrder) {
    const DialogTemplate& main = LoadDialogTemplate(IDD_COMPARE_DIALOG);
    EXPECT_EQ(main.id, 102);
    EXPECT_EQ(main.style, 0x90CA00C0u);
    EXPECT_EQ(main.exStyle, 0x00040000u);
    EXPECT_EQ(main.caption, "Vy");
    EXPECT_EQ(main.fontName, "ＭＳ ゴシック");
    EXPECT_EQ(main.pointSize, 9);
    EXPECT_EQ(ControlIds(main),
              (std::vector<int>{1041, 1028, 1009, 1042, 1029, 1013, 1014, -1, -1, -1, 1039, 1044,
                                1045, 1046, -1, -1, 1016, 1015, 2}));
    EXPECT_EQ(TabStops(main), (std::vector<int>{1028, 1009, 1029, 1013, 1014, 1016, 1015, 2}));
    for (const DialogControl& control : main.controls) {
        EXPECT_EQ(control.style & 0x50000000u, 0x50000000u) << control.text;
        const bool acceptsFiles = control.id == IDC_FILE1_BOX || control.id == IDC_FILE2_BOX;
        EXPECT_EQ((control.exStyle & style::WS_EX_ACCEPTFILES) != 0, acceptsFiles) << control.id;
        const bool defaultButton = control.controlClass == ControlClass::Button &&
                                   (control.style & style::BS_TYPEMASK) == style::BS_DEFPUSHBUTTON;
        EXPECT_FALSE(defaultButton) << control.id;
    }
    const DialogControl& list = main.controls[6];
    EXPECT_EQ(list.style, 0x50B10181u);
    EXPECT_EQ(list.rect.x, 15);
    EXPECT_EQ(list.rect.y, 135);
    EXPECT_EQ(list.rect.width, 156);
    EXPECT_EQ(list.rect.height, 120);
}

TEST(Resources, SettingsAndAboutTemplatesHaveTheirStyles) {
    const DialogTemplate& settings = LoadDialogTemplate(IDD_SETTINGS);
    EXPECT_EQ(settings.style, 0x80C800C0u);
    EXPECT_EQ(settings.caption, "設定(Vy)");
    EXPECT_EQ(settings.fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(ControlIds(settings), (std::vector<int>{1, 2, -1, 1039, 1034, 1035, 1037, 1038}));
    EXPECT_EQ(ControlStyles(settings),
              (std::vector<std::uint32_t>{0x50010001, 0x50010000, 0x50000007, 0x50000007,
                                          0x50010003, 0x50012003, 0x50020009, 0x50000009}));

    const DialogTemplate& about = LoadDialogTemplate(IDD_ABOUTBOX);
    EXPECT_EQ(about.style, 0x80C000C0u);
    EXPECT_EQ(about.caption, "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(about.pointSize, 11);
    EXPECT_EQ(ControlIds(about), (std::vector<int>{-1, 1, -1, -1}));
    EXPECT_EQ(ControlStyles(about),
              (std::vector<std::uint32_t>{0x50000003, 0x50030001, 0x50000307, 0x50020001}));
    EXPECT_EQ(about.controls[0].icon, &kMainIcon);
    EXPECT_EQ(about.controls[2].text, " Vy v1.00 ");

    EXPECT_THROW(LoadDialogTemplate(101), std::out_of_range);
}

TEST(Resources, StringsAndIconAreFoundByIdAndMissingOnesAreEmpty) {
    EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX), "ﾊﾞｰｼﾞｮﾝ情報(Vy) (&A)...");
    EXPECT_EQ(LoadResourceString(IDD_ABOUTBOX), "");
    EXPECT_EQ(LoadIconBitmap(IDR_MAINFRAME), &kMainIcon);
    EXPECT_EQ(LoadIconBitmap(IDD_ABOUTBOX), nullptr);
}
