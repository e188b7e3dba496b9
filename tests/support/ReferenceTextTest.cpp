#include "tests/support/ReferenceText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace std::string_literals;
using Lines = std::vector<std::string>;

TEST(ReferenceText, SplitsLinesAsTheLineReaderDoes) {
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\n\n", {"a", ""}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\n", {"a\rb"}},
        {"a\r\r\n", {"a\r"}},
        {"a\r", {"a\r"}},
        {"\r\n\r\n", {"", ""}},
        {"a\0b\n\0"s, {"a\0b"s, "\0"s}},
        {"\x1A\n", {"\x1A"}},
    };
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(reference::SplitLines(bytes), lines) << '"' << bytes << '"';
}

TEST(ReferenceText, TellsUtf8FromOtherBytes) {
    for (const char* valid :
         {"", "plain", "\x7F", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF",
          "\xEE\x80\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(reference::IsUtf8(valid)) << '"' << valid << '"';
    for (const char* invalid : {"\x80", "\xC1\xBF", "\xC2", "\xC2\x7F", "\xE0\x9F\xBF",
                                "\xED\xA0\x80", "\xE3\x81", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80",
                                "\xF5\x80\x80\x80", "\xFF", "\x83\x61", "a\xE3\x81\x82\x80"})
        EXPECT_FALSE(reference::IsUtf8(invalid)) << '"' << invalid << '"';
}

TEST(ReferenceText, FoldsOnlyLettersThatAreCharactersOfTheirOwn) {
    const std::pair<std::string, std::string> cases[] = {
        {"abc xyz `{", "ABC XYZ `{"},
        {"a\0z"s, "A\0Z"s},
        // UTF-8: no byte of a multi-byte character is a letter, so every a-z folds.
        {"\xE3\x81\x82"
         "abc",
         "\xE3\x81\x82"
         "ABC"},
        // Shift-JIS: the second byte of ヂ (83 61) stays; a lone lead byte before a blank or
        // at the end is a byte of its own, and so is a byte that cannot lead.
        {"\x83\x61"
         "a",
         "\x83\x61"
         "A"},
        {"\xFC\x7A\xE0\x61", "\xFC\x7A\xE0\x61"},
        {"\x81 a\x83", "\x81 A\x83"},
        {"\xA0"
         "a\xDF"
         "a\xFD"
         "a\x80"
         "a",
         "\xA0"
         "A\xDF"
         "A\xFD"
         "A\x80"
         "A"},
        {"\x81\x81\x81"
         "a",
         "\x81\x81\x81"
         "a"},
    };
    for (const auto& [line, folded] : cases)
        EXPECT_EQ(reference::FoldCase(line), folded) << '"' << line << '"';
}

TEST(ReferenceText, CompressesEveryRunOfBlanksAndTabsToOneBlank) {
    EXPECT_EQ(reference::CompressBlanks("  a \t \tb\t"), " a b ");
    EXPECT_EQ(reference::CompressBlanks("\t"), " ");
    EXPECT_EQ(reference::CompressBlanks("a\r\f\v\x81\x40"
                                        "b"),
              "a\r\f\v\x81\x40"
              "b");
    EXPECT_EQ(reference::CompressBlanks(""), "");
}

TEST(ReferenceText, LinesEqualUnderEachOption) {
    constexpr reference::TextOptions kExact{false, false};
    constexpr reference::TextOptions kFolded{true, false};
    constexpr reference::TextOptions kCompressed{false, true};
    constexpr reference::TextOptions kBoth{true, true};
    EXPECT_TRUE(reference::LinesEqual("Abc", "aBC", kFolded));
    EXPECT_FALSE(reference::LinesEqual("Abc", "aBC", kExact));
    EXPECT_FALSE(reference::LinesEqual("\x83\x61", "\x83\x41", kFolded));
    EXPECT_TRUE(reference::LinesEqual("a\t   b", "a b", kCompressed));
    EXPECT_FALSE(reference::LinesEqual(" a", "a", kCompressed));
    EXPECT_FALSE(reference::LinesEqual("a ", "a", kCompressed));
    EXPECT_TRUE(reference::LinesEqual("A\t b", "a b", kBoth));
    // Compression keeps a lead byte before a blank apart from it, so folding sees it alone.
    EXPECT_TRUE(reference::LinesEqual("\x83\t a", "\x83 A", kBoth));
}

TEST(ReferenceText, DisplayNameIsWhatFollowsTheLastSeparator) {
    EXPECT_EQ(reference::DisplayName("C:\\data\\a.txt", '\\'), "a.txt");
    EXPECT_EQ(reference::DisplayName("a.txt", '\\'), "a.txt");
    EXPECT_EQ(reference::DisplayName("C:\\data\\", '\\'), "");
    EXPECT_EQ(reference::DisplayName("", '\\'), "");
    EXPECT_EQ(reference::DisplayName("C:a.txt", '\\'), "C:a.txt");
    EXPECT_EQ(reference::DisplayName("C:/data/a.txt", '\\'), "C:/data/a.txt");
    EXPECT_EQ(reference::DisplayName("\\\\server\\share\\a.txt", '\\'), "a.txt");
    EXPECT_EQ(reference::DisplayName("/home/u/a.txt", '/'), "a.txt");
    EXPECT_EQ(reference::DisplayName("/", '/'), "");
}
