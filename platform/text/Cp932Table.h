#pragma once

// The C library's CP932 table, read from it when the program is built (MakeCp932Table), so that
// decoding needs no conversion modules at run time, also in a wholly static vy-cmp. glibc's
// table is the exact one: its "SHIFT_JIS" would turn the backslash into a yen sign.

// What a byte or a pair of bytes stands for that stands for no character (U+FFFF is none).
inline constexpr char16_t kNoCharacter = 0xFFFF;

// The character that a byte stands for alone.
char16_t Cp932Single(unsigned char byte);

// The character that a lead byte (IsShiftJisLeadByte) and the byte after it stand for together.
char16_t Cp932Pair(unsigned char lead, unsigned char trail);
