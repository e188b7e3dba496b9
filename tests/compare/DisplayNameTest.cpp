#include "compare/DisplayName.h"

#include <gtest/gtest.h>

TEST(DisplayName, KeepsWhatFollowsTheLastSeparator) {
    EXPECT_EQ(DisplayName("C:\\data\\a.txt", '\\'), "a.txt");
    EXPECT_EQ(DisplayName("a.txt", '\\'), "a.txt");
    EXPECT_EQ(DisplayName("C:\\data\\", '\\'), "");
    EXPECT_EQ(DisplayName("", '\\'), "");
    EXPECT_EQ(DisplayName("C:a.txt", '\\'), "C:a.txt");
    EXPECT_EQ(DisplayName("C:/data/a.txt", '\\'), "C:/data/a.txt");
    EXPECT_EQ(DisplayName("\\\\server\\share\\b.txt", '\\'), "b.txt");

    EXPECT_EQ(DisplayName("/home/user/a.txt"), "a.txt");
    EXPECT_EQ(DisplayName("/tmp/dir/"), "");
    EXPECT_EQ(DisplayName("a\\b.txt"), "a\\b.txt");
    // Bytes are not decoded: 0x5C as the second byte of a Shift-JIS character still separates.
    EXPECT_EQ(DisplayName("\x95\x5Cz.txt", '\\'), "z.txt");
}
