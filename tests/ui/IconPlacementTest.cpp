#include "ui/IconPlacement.h"

#include <gtest/gtest.h>

TEST(IconPlacement, CentresTheIconRoundingTowardsZero) {
    EXPECT_EQ(CenteredIconOrigin(100, 50, 32, 32), (IconOrigin{34, 9}));
    EXPECT_EQ(CenteredIconOrigin(0, 0, 32, 32), (IconOrigin{-15, -15}));
    EXPECT_EQ(CenteredIconOrigin(33, 32, 32, 32), (IconOrigin{1, 0}));
}
