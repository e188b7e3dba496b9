#include "platform/text/ScreenText.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(ScreenText, KeepsValidUtf8AsItIs) {
    EXPECT_EQ(ToScreenText(""), "");
    EXPECT_EQ(ToScreenText("0000001A: 41 42"), "0000001A: 41 42");
    EXPECT_EQ(ToScreenText("ﾌｧｲﾙ比較\tＡ"), "ﾌｧｲﾙ比較\tＡ");
    EXPECT_EQ(ToScreenText("C:\\data\\a.txt~"), "C:\\data\\a.txt~");
}

TEST(ScreenText, DecodesShiftJisWhereUtf8DoesNotFit) {
    // Half-width katakana and kanji.
    EXPECT_EQ(ToScreenText("\xCC\xA7\xB2\xD9\x94\xE4\x8A\x72"), "ﾌｧｲﾙ比較");
    // 0x5C is a backslash on its own and part of the character as a trail byte (表 is 95 5C).
    EXPECT_EQ(ToScreenText("C:\\\x95\x5C\\a"), "C:\\表\\a");
    EXPECT_EQ(ToScreenText("\xB1~\t"), "ｱ~\t");
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

TEST(ScreenText, ShowsControlCharactersAsSymbolsSoATextStaysOnOneLine) {
    EXPECT_EQ(ToScreenText("a\0b"s), "a\u2400b");
    EXPECT_EQ(ToScreenText("name\nwith\rbreaks\x1B\x7F"), "name\u240Awith\u240Dbreaks\u241B\u2421");
    EXPECT_EQ(ToScreenText("a\x1A\x1C"
                           "b"),
              "a\u241A\u241C"
              "b");
    // Rows keep tabs for the list to expand; single-line controls show them too.
    EXPECT_EQ(ToScreenText("a\tb"), "a\tb");
    EXPECT_EQ(ToScreenText("a\tb", TabShown::AsSymbol), "a\u2409b");
    // The separators that break a line as a line feed does.
    EXPECT_EQ(ToScreenText("a\u2028b\u2029c"), "a\u2424b\u2424c");
    // The same in text read as Shift-JIS, next to bytes that decode neither way.
    EXPECT_EQ(ToScreenText("\xB1\n\0\x81\0\t"s, TabShown::AsSymbol),
              "ｱ\u240A\u2400\uFFFD\u2400\u2409");
}

TEST(ScreenText, DecodesOnlyTheStartThatIsAskedFor) {
    EXPECT_EQ(ToScreenTextStart("abcdef", 3, TabShown::AsTab), "abc");
    EXPECT_EQ(ToScreenTextStart("ab", 3, TabShown::AsTab), "ab");
    EXPECT_EQ(ToScreenTextStart("ﾌｧｲﾙ", 2, TabShown::AsTab), "ﾌｧ");
    EXPECT_EQ(ToScreenTextStart("\xB1\xB2\xB3", 2, TabShown::AsTab), "ｱｲ");
    EXPECT_EQ(ToScreenTextStart("\xB1\xFF\xFF", 2, TabShown::AsTab), "ｱ\uFFFD");
    EXPECT_EQ(ToScreenTextStart("\x83\x65\x83\x58", 0, TabShown::AsTab), "");
    // Whether the text is UTF-8 is told by all its bytes, not by the start alone.
    EXPECT_EQ(ToScreenTextStart("\xCC\xA7\xB2\xD9\x94", 2, TabShown::AsTab), "ﾌｧ");
}

TEST(ScreenText, LongTextsDecodeWholeAndInOnePass) {
    // Characters across every boundary at which the decoder might take its input in parts, in
    // Shift-JIS and in UTF-8.
    std::string pairs = "a";
    std::string pairsShown = "a";
    for (int index = 0; index < 40000; ++index) {
        pairs += "\x83\x65";
        pairsShown += "テ";
    }
    EXPECT_EQ(ToScreenText(pairs), pairsShown);
    EXPECT_EQ(ToScreenText(pairsShown), pairsShown);
    EXPECT_EQ(ToScreenTextStart(pairs, 2001, TabShown::AsTab), pairsShown.substr(0, 1 + 3 * 2000));

    // A megabyte that decodes neither way, and one of lead bytes each followed by a blank: one
    // stand-in per byte, or per pair, without the cost growing with the square of the length.
    const std::size_t megabyte = std::size_t{1} << 20;
    const std::string refused = ToScreenText(std::string(megabyte, '\xFF'));
    EXPECT_EQ(refused.size(), 3 * megabyte);
    EXPECT_EQ(refused.substr(0, 6), "\uFFFD\uFFFD");
    std::string leads;
    for (std::size_t index = 0; index < megabyte / 2; ++index)
        leads += "\x81 ";
    const std::string leadsShown = ToScreenText(leads);
    EXPECT_EQ(leadsShown.size(), 4 * megabyte / 2);
    EXPECT_EQ(leadsShown.substr(leadsShown.size() - 8), "\uFFFD \uFFFD ");
}
