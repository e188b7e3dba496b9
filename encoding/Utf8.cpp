#include "encoding/Utf8.h"

#include <cstdint>
#include <cstring>

std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t index) {
    const auto lead = static_cast<unsigned char>(bytes[index]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;  // shorter forms of U+0000 to U+07FF
        secondHigh = lead == 0xED ? 0x9F : 0xBF; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;  // shorter forms of U+0000 to U+FFFF
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF; // past U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() - index < length)
        return 0;
    const auto second = static_cast<unsigned char>(bytes[index + 1]);
    if (second < secondLow || second > secondHigh)
        return 0;
    for (std::size_t offset = 2; offset < length; ++offset) {
        const auto next = static_cast<unsigned char>(bytes[index + offset]);
        if (next < 0x80 || next > 0xBF)
            return 0;
    }
    return length;
}

bool IsValidUtf8(std::string_view bytes) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    std::size_t index = 0;
    while (index < bytes.size()) {
        // Plain ASCII, the common case, eight bytes at a time.
        std::uint64_t word;
        if (bytes.size() - index >= sizeof word &&
            (std::memcpy(&word, bytes.data() + index, sizeof word), !(word & kHighBits))) {
            index += sizeof word;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(bytes, index);
        if (length == 0)
            return false;
        index += length;
    }
    return true;
}
