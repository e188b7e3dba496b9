#include "CaseFolding.h"

#include <cstdint>
#include <cstring>

namespace {
constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = kOnes * 0x80;

unsigned char ToUpper(unsigned char byte) {
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

bool IsShiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsShiftJisTrail(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

void FoldEveryLetter(char* at, char* end) {
    for (; at != end; ++at)
        *at = static_cast<char>(ToUpper(static_cast<unsigned char>(*at)));
}

void FoldShiftJis(char* at, char* end) {
    while (at != end) {
        const auto byte = static_cast<unsigned char>(*at);
        if (IsShiftJisLead(byte) && end - at > 1 && IsShiftJisTrail(at[1])) {
            at += 2;
            continue;
        }
        *at++ = static_cast<char>(ToUpper(byte));
    }
}

// The length of the UTF-8 sequence that starts at text[0], or 0 when it is malformed.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}
} // namespace

bool IsValidUtf8(std::string_view text) {
    while (!text.empty()) {
        // Plain ASCII, the common case, eight bytes at a time.
        std::uint64_t word;
        if (text.size() >= 8 &&
            (std::memcpy(&word, text.data(), sizeof word), !(word & kHighBits))) {
            text.remove_prefix(sizeof word);
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

bool IsShiftJisSecondByte(std::string_view line, std::size_t at) {
    // The run of possible first bytes before it starts a character, since the byte before the
    // run cannot be one; from there the run pairs off, so an odd run ends in a first byte.
    std::size_t firstBytes = 0;
    while (firstBytes < at && IsShiftJisLead(static_cast<unsigned char>(line[at - 1 - firstBytes])))
        ++firstBytes;
    return firstBytes % 2 == 1 && IsShiftJisTrail(static_cast<unsigned char>(line[at]));
}

void FoldCase(std::string& line) {
    char* const begin = line.data();
    char* const end = begin + line.size();
    if (IsValidUtf8(line))
        FoldEveryLetter(begin, end);
    else
        FoldShiftJis(begin, end);
}
