#include "ScreenText.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(ScreenText, KeepsValidUtf8AsItIs) {
    EXPECT_EQ(ToScreenText(""), "");
    EXPECT_EQ(ToScreenText("0000001A: 41 42"), "0000001A: 41 42");
    EXPECT_EQ(ToScreenText("ﾌｧｲﾙ比較\tＡ"), "ﾌｧｲﾙ比較\tＡ");
    EXPECT_EQ(ToScreenText("C:\\data\\a.txt~"), "C:\\data\\a.txt~");
    EXPECT_EQ(ToScreenText("a\x1A\x1C\x7F"
                           "b"),
              "a\x1A\x1C\x7F"
              "b");
}

TEST(ScreenText, DecodesShiftJisWhereUtf8DoesNotFit) {
    // Half-width katakana and kanji.
    EXPECT_EQ(ToScreenText("\xCC\xA7\xB2\xD9\x94\xE4\x8A\x72"), "ﾌｧｲﾙ比較");
    // 0x5C is a backslash on its own and part of the character as a trail byte (表 is 95 5C).
    EXPECT_EQ(ToScreenText("C:\\\x95\x5C\\a"), "C:\\表\\a");
    EXPECT_EQ(ToScreenText("\xB1~\t\x1A\x1C\x7F"), "ｱ~\t\x1A\x1C\x7F");
    // An overlong UTF-8 form is not UTF-8, so it reads as two katakana.
    EXPECT_EQ(ToScreenText("\xC0\xAF"), "ﾀｯ");
}

TEST(ScreenText, StandsInForEachByteThatDecodesNeitherWay) {
    EXPECT_EQ(ToScreenText("a\x80"
                           "b"),
              "a\uFFFD"
              "b");
    EXPECT_EQ(ToScreenText("\xB1\xFD\xFE\xFF"), "ｱ\uFFFD\uFFFD\uFFFD");
    // A lead byte at the end, or before a byte that cannot trail, stands alone.
    EXPECT_EQ(ToScreenText("\xB1\x81"), "ｱ\uFFFD");
    EXPECT_EQ(ToScreenText("\x81 \xB1"), "\uFFFD ｱ");
    // A well-formed pair missing from the table stands in as one, but keeps an ASCII trail byte.
    EXPECT_EQ(ToScreenText("\x85\x9F\xB1"), "\uFFFDｱ");
    EXPECT_EQ(ToScreenText("\x85\x40\xB1"), "\uFFFD@ｱ");
}

TEST(ScreenText, ShowsZeroBytesAsASymbol) {
    EXPECT_EQ(ToScreenText("a\0b"s), "a\u2400b");
    EXPECT_EQ(ToScreenText("\0"s), "\u2400");
    EXPECT_EQ(ToScreenText("\xB1\0\x81\0"s), "ｱ\u2400\uFFFD\u2400");
}
