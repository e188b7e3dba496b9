#include "encoding/ShiftJis.h"

// The byte before the run of possible lead bytes cannot lead, so the run starts a character,
// pairs off from there, and ends in a lead byte when it is odd.
bool IsShiftJisSecondByte(std::string_view text, std::size_t at) {
    std::size_t leadBytes = 0;
    while (leadBytes < at &&
           IsShiftJisLeadByte(static_cast<unsigned char>(text[at - 1 - leadBytes])))
        ++leadBytes;
    return leadBytes % 2 == 1 && IsShiftJisTrailByte(static_cast<unsigned char>(text[at]));
}
