#include "platform/text/Cp932Table.h"

// Made from the C library's table when the program is built (MakeCp932Table): the character of
// each byte alone, and of each lead byte, 0x81 to 0x9F then 0xE0 to 0xFC, with each byte from
// 0x40 to 0xFC after it.
extern const char16_t kCp932Singles[256];
extern const char16_t kCp932Pairs[60][0xFD - 0x40];

namespace {

unsigned RowOf(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F;
}

} // namespace

char16_t Cp932Single(unsigned char byte) {
    return kCp932Singles[byte];
}

char16_t Cp932Pair(unsigned char lead, unsigned char trail) {
    return trail >= 0x40 && trail <= 0xFC ? kCp932Pairs[RowOf(lead)][trail - 0x40] : kNoCharacter;
}
