#pragma once

#include <cstddef>
#include <string_view>

// A byte that starts a double-byte character of Shift-JIS (CP932) when a second byte follows.
constexpr bool IsShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// A byte that can be the second byte of a double-byte character; ASCII letters among them.
constexpr bool IsShiftJisTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// True when the byte at `at`, one that cannot start a double-byte character (such as a letter),
// is the second byte of one when the text is read as Shift-JIS. Looks back no further than the
// run of possible lead bytes before it.
bool IsShiftJisSecondByte(std::string_view text, std::size_t at);
