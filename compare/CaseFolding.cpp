#include "CaseFolding.h"

#include <cstdint>
#include <cstring>

namespace {
constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = kOnes * 0x80;

// Without a branch: letters come in no predictable order, and mispredictions would dominate.
unsigned char ToUpper(unsigned char byte) {
    const bool lower = byte >= 'a' && byte <= 'z';
    return static_cast<unsigned char>(byte - (lower ? 'a' - 'A' : 0));
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

void FoldCase(std::string& line) {
    char* at = line.data();
    char* const end = at + line.size();
    // Most lines are plain ASCII: fold eight bytes at a time while they are, and look closer
    // only from the first byte that is not.
    for (; end - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        if (word & kHighBits)
            break;
        // Every byte is below 0x80, so these sums carry into no neighbour.
        const std::uint64_t fromA = word + kOnes * (0x80 - 'a');
        const std::uint64_t pastZ = word + kOnes * (0x80 - 'z' - 1);
        word -= ((fromA & ~pastZ) & kHighBits) >> 2;
        std::memcpy(at, &word, sizeof word);
    }
    for (; at != end && static_cast<unsigned char>(*at) < 0x80; ++at)
        *at = static_cast<char>(ToUpper(static_cast<unsigned char>(*at)));
    if (at == end)
        return;
    if (IsValidUtf8(std::string_view(at, static_cast<std::size_t>(end - at))))
        FoldEveryLetter(at, end);
    else
        FoldShiftJis(at, end);
}
