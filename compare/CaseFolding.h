#pragma once

#include <string>
#include <string_view>

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view text);

// True when a and b are one letter a-z in its two cases.
constexpr bool LettersDifferOnlyInCase(unsigned char a, unsigned char b) {
    const unsigned lower = a | 0x20u;
    return (a ^ b) == 0x20 && lower >= 'a' && lower <= 'z';
}

// True when the byte at `at`, one that cannot start a double-byte character (such as a letter),
// is the second byte of one when the line is read as Shift-JIS. Looks back no further than the
// run of possible first bytes before it.
bool IsShiftJisSecondByte(std::string_view line, std::size_t at);

// Turns a-z into A-Z where the byte is a character of its own: every a-z of a line that is
// valid UTF-8; otherwise the line is read as Shift-JIS and the second byte of a double-byte
// character is never changed.
void FoldCase(std::string& line);
