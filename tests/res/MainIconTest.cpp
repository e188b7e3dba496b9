#include "res/MainIcon.h"

#include <gtest/gtest.h>

TEST(MainIcon, DrawsOnATransparentGroundInTheSixteenColours) {
    for (int y = 0; y < IconBitmap::kSize; ++y) {
        for (int x = 0; x < IconBitmap::kSize; ++x) {
            EXPECT_LT(kMainIcon.colours[y][x], 16) << x << ',' << y;
            // Transparent pixels hold colour 0.
            EXPECT_EQ(kMainIcon.transparent[y][x] ? kMainIcon.colours[y][x] : 0, 0)
                << x << ',' << y;
        }
    }
    EXPECT_TRUE(kMainIcon.transparent[0][0]);
    EXPECT_TRUE(kMainIcon.transparent[0][31]);
    EXPECT_TRUE(kMainIcon.transparent[31][0]);
    // The handle of the glass reaches the lower right corner.
    EXPECT_FALSE(kMainIcon.transparent[31][31]);
    // The lens lies in the middle, in cyan.
    EXPECT_FALSE(kMainIcon.transparent[16][16]);
    EXPECT_EQ(kMainIcon.colours[16][16], 14);
}
