#pragma once

// A blank of text: the space or the tab, and nothing else (not CR, form feed or the
// ideographic space).
constexpr bool IsBlank(char byte) {
    return byte == ' ' || byte == '\t';
}

// True when a and b are one letter a-z in its two cases.
constexpr bool LettersDifferOnlyInCase(unsigned char a, unsigned char b) {
    const unsigned lower = a | 0x20u;
    return (a ^ b) == 0x20 && lower >= 'a' && lower <= 'z';
}
