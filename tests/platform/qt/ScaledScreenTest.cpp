// Runs with the window scale at 2 on a 1280 x 1000 pixel screen, which leaves 640 x 500
// logical pixels.

#include "platform/qt/Dialog.h"
#include "platform/resource/DialogTemplate.h"
#include "platform/resource/WindowStyles.h"
#include "res/Resources.h"
#include "res/resource.h"
#include "tests/platform/qt/support/ModalDriver.h"

#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct Placement {
    QRect frame;
    QRect area;
};

Placement PlacementOf(CDialog& dialog) {
    Placement placement;
    RunModal(dialog, [&](QWidget* window) {
        placement = {window->frameGeometry(), window->screen()->availableGeometry()};
    });
    return placement;
}

using namespace style;

const DialogTemplate kTallTemplate{
    .id = 1,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    .rect = {0, 0, 187, 400},
    .caption = "Tall",
    .fontName = "ＭＳ ゴシック",
    .pointSize = 9,
    .controls = {},
};

} // namespace

TEST(ScaledScreen, TheMainWindowOpensWhollyInsideTheScreen) {
    CDialog dialog(LoadDialogTemplate(IDD_COMPARE_DIALOG));
    const Placement placement = PlacementOf(dialog);
    ASSERT_EQ(placement.area.height(), 500) << "the test wants a 1000-pixel screen at scale 2";
    EXPECT_GT(placement.frame.height(), 480) << "the window nearly fills the screen's height";
    EXPECT_TRUE(placement.area.contains(placement.frame))
        << "frame " << placement.frame.y() << " to " << placement.frame.bottom();
}

TEST(ScaledScreen, AWindowTallerThanTheScreenKeepsItsTopLeftOnTheScreen) {
    CDialog dialog(kTallTemplate);
    const Placement placement = PlacementOf(dialog);
    EXPECT_GT(placement.frame.height(), placement.area.height());
    EXPECT_EQ(placement.frame.top(), placement.area.top());
    EXPECT_GE(placement.frame.left(), placement.area.left());
}
