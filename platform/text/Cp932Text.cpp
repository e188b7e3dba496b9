#include "platform/text/Cp932Text.h"

#include "encoding/ShiftJis.h"
#include "platform/text/Cp932Table.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

unsigned char ByteAt(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

// Bytes that start no character, neither alone nor as the lead byte of a pair.
bool StartsNothing(unsigned char byte) {
    return byte == 0x80 || byte == 0xA0 || byte >= 0xFD;
}

void AppendUtf8(std::string& out, char16_t character) {
    if (character < 0x80) {
        out += static_cast<char>(character);
    } else if (character < 0x800) {
        out += static_cast<char>(0xC0 | character >> 6);
        out += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | character >> 12);
        out += static_cast<char>(0x80 | (character >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (character & 0x3F));
    }
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes, std::size_t maxCharacters) {
    std::string out;
    std::size_t index = 0;
    for (std::size_t characters = 0; index < bytes.size() && characters < maxCharacters;
         ++characters) {
        const unsigned char byte = ByteAt(bytes, index);
        char16_t character = kNoCharacter;
        std::size_t length = 1;
        if (IsShiftJisLeadByte(byte)) {
            if (index + 1 < bytes.size()) {
                const unsigned char next = ByteAt(bytes, index + 1);
                character = Cp932Pair(byte, next);
                // A refused pair stands in as one character. An ASCII byte after a lead byte, or
                // any byte that cannot trail, is read again on its own, so that no letter is
                // swallowed.
                if (character != kNoCharacter || (next >= 0x80 && IsShiftJisTrailByte(next)))
                    length = 2;
            }
        } else if (!StartsNothing(byte)) {
            character = Cp932Single(byte);
        }
        AppendUtf8(out, character == kNoCharacter ? kReplacement : character);
        index += length;
    }
    return out;
}
