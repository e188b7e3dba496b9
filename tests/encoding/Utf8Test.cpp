#include "encoding/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(Utf8, SequencesHaveTheirLengthAndMalformedOnesNone) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"a", 1},
        {"\xC2\x81", 2},
        {"\xE3\x81\x82", 3},
        {"\xF0\x9F\x98\x80", 4},
        {"\xF4\x8F\xBF\xBF", 4}, // U+10FFFF, the last
        {"\x80", 0},             // a continuation byte cannot lead
        {"\xC0\x80", 0},         // overlong forms
        {"\xE0\x9F\xBF", 0},
        {"\xF0\x8F\xBF\xBF", 0},
        {"\xED\xA0\x80", 0},     // a surrogate
        {"\xF4\x90\x80\x80", 0}, // past U+10FFFF
        {"\xF5\x80\x80\x80", 0},
        {"\xE3\x81", 0}, // cut short by the end
        {"\xE3\x41\x82", 0},
    };
    for (const auto& [bytes, length] : cases)
        EXPECT_EQ(Utf8SequenceLength(bytes, 0), length) << '"' << bytes << '"';
    EXPECT_EQ(Utf8SequenceLength("ab\xE3\x81\x82", 2), 3u);
}

TEST(Utf8, AWholeTextIsValidOnlyWhenEverySequenceIs) {
    for (const char* valid : {"", "plain", "\xC2\x81", "\xE3\x81\x82", "\xF0\x9F\x98\x80",
                              "eight by\xE3\x81\x82tes then more ascii"})
        EXPECT_TRUE(IsValidUtf8(valid)) << '"' << valid << '"';
    // Malformed bytes right after, and inside, the stretches taken eight at a time.
    for (const char* invalid :
         {"\x83\x61", "\xE3\x81", "a\x80", "\xFF", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
          "eightbyt\xFF", "eightbytes and\x83\x61", "seven b\xE3\x81"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << '"' << invalid << '"';
}
