#include "platform/qt/detail/ScreenPlacement.h"

#include <gtest/gtest.h>

TEST(ScreenPlacement, CentresTheFrameOnItsTargetInsideTheArea) {
    // A panel takes the top 30 pixels of a 1280 x 1000 screen.
    const QRect area(0, 30, 1280, 970);
    EXPECT_EQ(CentredFrameOrigin({283, 507}, area, area), QPoint(498, 261));
    // Over an owner, the frame is centred on the owner's frame.
    EXPECT_EQ(CentredFrameOrigin({100, 50}, QRect(400, 300, 300, 200), area), QPoint(500, 375));
    // An owner near a corner: the frame is moved just inside the area, not off it.
    EXPECT_EQ(CentredFrameOrigin({300, 200}, QRect(-50, 0, 100, 100), area), QPoint(0, 30));
    EXPECT_EQ(CentredFrameOrigin({300, 200}, QRect(1250, 960, 100, 100), area), QPoint(980, 800));
    // A frame as large as the area fills it.
    EXPECT_EQ(CentredFrameOrigin({1280, 970}, area, area), QPoint(0, 30));
}

TEST(ScreenPlacement, AFrameThatCannotFitStartsAtTheAreasEdge) {
    const QRect area(0, 30, 1280, 970);
    // Too tall only: its top on the area's top, still centred across.
    EXPECT_EQ(CentredFrameOrigin({283, 1000}, area, area), QPoint(498, 30));
    // Too wide only: its left on the area's left, still centred down.
    EXPECT_EQ(CentredFrameOrigin({1300, 507}, area, area), QPoint(0, 261));
    // Too large both ways: its top-left on the area's top-left, wherever the target is.
    EXPECT_EQ(CentredFrameOrigin({1300, 1000}, QRect(600, 600, 10, 10), area), QPoint(0, 30));
}
