#include "CompressBlanks.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace std::string_literals;

TEST(CompressBlanks, EveryRunOfBlanksAndTabsBecomesOneBlank) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"\t", " "},
        {"a\t   b", "a b"},
        {"  a \t b\t\t", " a b "},
        {"a b", "a b"},
        // Only blanks and tabs count: not CR, form feed, vertical tab or the ideographic space.
        {"a\r\f\vb", "a\r\f\vb"},
        {"a\x81\x40\x81\x40-b", "a\x81\x40\x81\x40-b"},
        {"a\xE3\x80\x80 \xE3\x80\x80-b", "a\xE3\x80\x80 \xE3\x80\x80-b"},
        {"a\0  \0b"s, "a\0 \0b"s},
    };
    std::string compressed = "earlier content";
    for (const auto& [line, wanted] : cases) {
        CompressBlanks(line, compressed);
        EXPECT_EQ(compressed, wanted) << '"' << line << '"';
    }
}
