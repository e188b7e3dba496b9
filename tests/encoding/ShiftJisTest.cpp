#include "encoding/ShiftJis.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(ShiftJis, ALetterIsASecondByteOnlyAfterAnOddRunOfLeadBytes) {
    // Each text ends in the byte asked about.
    // clang-format off
    const std::pair<std::string, bool> cases[] = {
        {"a", false},
        {"\x83\x61", true}, // ヂ
        {"\x81\x7A", true},
        {"\xFC\x40", true},
        {"\x9F\x7E", true},
        {"\x81\x81" "a", false}, // the two lead bytes pair off
        {"\x81\x81\x81" "a", true},
        {"x\xE0\x61", true},
        {"\x81 a", false},
        {"\x80" "a", false}, // bytes that cannot lead
        {"\xA0" "a", false},
        {"\xDF" "a", false},
        {"\xFD" "a", false},
        {"\x83 ", false}, // a blank cannot trail
        {"\x83\x7F", false},
    };
    // clang-format on
    for (const auto& [text, second] : cases)
        EXPECT_EQ(IsShiftJisSecondByte(text, text.size() - 1), second) << '"' << text << '"';
}
