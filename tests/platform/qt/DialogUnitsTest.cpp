#include "platform/qt/detail/DialogUnits.h"

#include "platform/resource/DialogTemplate.h"
#include "tests/platform/qt/TestDialog.h"

#include <QDialog>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

BaseUnits UnitsOf(std::string_view fontName, int pointSize) {
    DialogTemplate dialogTemplate;
    dialogTemplate.fontName = fontName;
    dialogTemplate.pointSize = pointSize;
    return BaseUnitsOf(TemplateFont(dialogTemplate));
}

} // namespace

TEST(DialogUnits, BaseUnitsOfTheTemplateFaces) {
    const BaseUnits gothic = UnitsOf("ＭＳ ゴシック", 9);
    const BaseUnits proportional = UnitsOf("ＭＳ Ｐゴシック", 9);
    EXPECT_EQ(gothic.x, 6);
    EXPECT_EQ(gothic.y, 13);
    EXPECT_EQ(proportional.x, 7);
    EXPECT_EQ(proportional.y, 13);
}

TEST(DialogUnits, RectanglesRoundToTheNearestPixel) {
    const BaseUnits units{6, 13};
    EXPECT_EQ(ToPixels({8, 4, 172, 30}, units), QRect(12, 7, 258, 49));
    // 187 * 6 / 4 = 280.5 and 299 * 13 / 8 = 485.875 both round up.
    EXPECT_EQ(ToPixels({0, 0, 187, 299}, units), QRect(0, 0, 281, 486));
    EXPECT_EQ(ToPixels({15, 135, 156, 120}, {7, 13}), QRect(26, 219, 273, 195));
}

TEST(DialogUnits, DialogAndControlsTakeTheirPixelGeometry) {
    ProbeDialog dialog;
    QRect list;
    QRect button;
    QSize client;
    int comboTop = -1;
    RunModal(dialog, [&](QWidget* window) {
        client = window->size();
        list = dialog.GetDlgItem(kList)->Widget()->geometry();
        button = dialog.GetDlgItem(kBrowse)->Widget()->geometry();
        comboTop = dialog.GetDlgItem(kCombo)->Widget()->y();
    });
    EXPECT_EQ(client, QSize(300, 244));
    EXPECT_EQ(list, QRect(15, 120, 270, 65));
    EXPECT_EQ(button, QRect(210, 23, 75, 23));
    EXPECT_EQ(comboTop, 24);
}
