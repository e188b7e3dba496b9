#include "CaseFolding.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace std::string_literals;

TEST(CaseFolding, FoldsOnlyLettersThatStandAlone) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"",                           ""},
        {"abc xyz ABC",                "ABC XYZ ABC"},
        {"`@[{az",                     "`@[{AZ"},
        {"a\0b"s,                      "A\0B"s},
        // Shift-JIS: the byte after a lead byte is its second byte.
        {"\x83\x61",                   "\x83\x61"},
        {"\x83\x61" "abc",             "\x83\x61" "ABC"},
        {"\x81\x7A" "z",               "\x81\x7A" "Z"},
        {"\x9F\x61\xE0\x61\xFC\x7A",   "\x9F\x61\xE0\x61\xFC\x7A"},
        {"\x80" "a\xA0" "a\xDF" "a\xFD" "a", "\x80" "A\xA0" "A\xDF" "A\xFD" "A"},
        {"\x81\x81" "a",               "\x81\x81" "A"},
        {"\x81\x81\x81" "a",           "\x81\x81\x81" "a"},
        {"\x81 a",                     "\x81 A"},
        {"a\x83",                      "A\x83"},
        // Valid UTF-8: every a-z is a character of its own.
        {"\xE3\x81\x82" "a",           "\xE3\x81\x82" "A"},
        {"\xC2\x81" "a",               "\xC2\x81" "A"},
        {"stra\xC3\x9F" "e",           "STRA\xC3\x9F" "E"},
    };
    // clang-format on
    for (const auto& [line, folded] : cases) {
        std::string text = line;
        FoldCase(text);
        EXPECT_EQ(text, folded) << '"' << line << '"';
    }
}

TEST(CaseFolding, RecognisesValidUtf8) {
    for (const char* valid : {"", "plain", "\xC2\x81", "\xE3\x81\x82", "\xF0\x9F\x98\x80"})
        EXPECT_TRUE(IsValidUtf8(valid)) << '"' << valid << '"';
    for (const char* invalid :
         {"\x83\x61", "\xE3\x81", "a\x80", "\xFF", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << '"' << invalid << '"';
}
