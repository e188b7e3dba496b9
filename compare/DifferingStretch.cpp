#include "compare/DifferingStretch.h"

#include "encoding/AsciiText.h"
#include "encoding/ShiftJis.h"

namespace {

unsigned char ByteAt(std::string_view line, std::size_t at) {
    return static_cast<unsigned char>(line[at]);
}

// The byte before `at`, or a line start's stand-in below 0x80.
unsigned char ByteBefore(std::string_view line, std::size_t at) {
    return at > 0 ? ByteAt(line, at - 1) : 0;
}

bool SecondByteAt(std::string_view line, std::size_t at) {
    return at < line.size() && IsShiftJisSecondByte(line, at);
}

bool SameByte(std::string_view line1, std::size_t at1, std::string_view line2, std::size_t at2,
              TextRules rules) {
    const unsigned char byte1 = ByteAt(line1, at1);
    const unsigned char byte2 = ByteAt(line2, at2);
    return byte1 == byte2 ||
           (rules.foldCase && ByteBefore(line1, at1) < 0x80 && ByteBefore(line2, at2) < 0x80 &&
            LettersDifferOnlyInCase(byte1, byte2));
}

} // namespace

DifferingStretch FindDifferingStretch(std::string_view line1, std::string_view line2,
                                      TextRules rules) noexcept {
    std::size_t begin1 = 0;
    std::size_t begin2 = 0;
    while (begin1 < line1.size() && begin2 < line2.size()) {
        if (rules.compressBlanks && IsBlank(line1[begin1]) && IsBlank(line2[begin2])) {
            while (begin1 < line1.size() && IsBlank(line1[begin1]))
                ++begin1;
            while (begin2 < line2.size() && IsBlank(line2[begin2]))
                ++begin2;
        } else if (SameByte(line1, begin1, line2, begin2, rules)) {
            ++begin1;
            ++begin2;
        } else {
            break;
        }
    }
    // The shared start took the first byte of a character whose second byte differs: the
    // stretch takes the whole character. The bytes before are the same in both lines.
    if (begin1 > 0 && begin2 > 0 && (SecondByteAt(line1, begin1) || SecondByteAt(line2, begin2))) {
        --begin1;
        --begin2;
    }
    std::size_t end1 = line1.size();
    std::size_t end2 = line2.size();
    while (end1 > begin1 && end2 > begin2) {
        if (rules.compressBlanks && IsBlank(line1[end1 - 1]) && IsBlank(line2[end2 - 1])) {
            while (end1 > begin1 && IsBlank(line1[end1 - 1]))
                --end1;
            while (end2 > begin2 && IsBlank(line2[end2 - 1]))
                --end2;
        } else if (SameByte(line1, end1 - 1, line2, end2 - 1, rules)) {
            --end1;
            --end2;
        } else {
            break;
        }
    }
    // The shared end took the second byte of a character whose first byte differs.
    while (end1 < line1.size() && end2 < line2.size() &&
           (SecondByteAt(line1, end1) || SecondByteAt(line2, end2))) {
        ++end1;
        ++end2;
    }
    return {begin1, end1, begin2, end2};
}
