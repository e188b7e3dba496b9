#include "compare/LineMatcher.h"

#include "compare/ByteKernelSet.h"
#include "encoding/AsciiText.h"
#include "encoding/ShiftJis.h"
#include "encoding/Utf8.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {
unsigned char ByteAt(std::string_view line, std::size_t at) {
    return static_cast<unsigned char>(line[at]);
}

// The length of the equal start of two ranges, eight bytes at a time: between runs of blanks
// the stretches are short, too short for a call to pay.
std::size_t CommonPrefixLength(const char* first, const char* second, std::size_t limit) {
    const auto differenceIn = [&](std::size_t at) {
        std::uint64_t word1;
        std::uint64_t word2;
        std::memcpy(&word1, first + at, sizeof word1);
        std::memcpy(&word2, second + at, sizeof word2);
        return word1 ^ word2;
    };
    if constexpr (std::endian::native == std::endian::little) {
        if (limit >= 8) {
            // The last word may overlap the one before: its bytes up to `at` are equal.
            for (std::size_t at = 0;; at = at + 8 < limit - 8 ? at + 8 : limit - 8) {
                if (const std::uint64_t difference = differenceIn(at))
                    return at + static_cast<std::size_t>(std::countr_zero(difference)) / 8;
                if (at == limit - 8)
                    return limit;
            }
        }
    }
    std::size_t at = 0;
    while (at < limit && first[at] == second[at])
        ++at;
    return at;
}

// Runs of blanks are short, too short for a call to pay.
std::size_t SkipBlanksFrom(std::string_view line, std::size_t at) {
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    return at;
}
} // namespace

LineMatcher::LineMatcher(TextRules rules) : rules_(rules), kernels_(&ChosenByteKernels()) {}

// Walks both lines side by side, the compressed blanks and the folded letters taken in as they
// come. Folding a letter decides nothing about the rest of the line unless a byte of 0x80 or
// above stands before it: then the letter may be the second byte of a Shift-JIS character,
// which stays as it is unless the whole line is UTF-8. The blanks compressed do not change that
// reading: blanks are neither first nor second bytes, and a run of them is still UTF-8.
bool LineMatcher::Equal(std::string_view line1, std::string_view line2) const noexcept {
    if (line1.size() == line2.size() &&
        kernels_->firstDifference(line1.data(), line2.data(), line1.size()) == line1.size())
        return true;
    if (!rules_.compressBlanks && (!rules_.foldCase || line1.size() != line2.size()))
        return false;

    bool equalOnlyAsUtf8 = false;
    std::size_t at1 = 0;
    std::size_t at2 = 0;
    for (;;) {
        const std::size_t limit = std::min(line1.size() - at1, line2.size() - at2);
        std::size_t same = CommonPrefixLength(line1.data() + at1, line2.data() + at2, limit);
        // Letters that differ in case tend to go on doing so: a scan takes them in.
        if (same < limit && rules_.foldCase &&
            LettersDifferOnlyInCase(ByteAt(line1, at1 + same), ByteAt(line2, at2 + same))) {
            const unsigned char previous = at1 + same > 0 ? ByteAt(line1, at1 + same - 1) : 0;
            same += kernels_
                        ->scanEqualText(line1.data() + at1 + same, line2.data() + at2 + same,
                                        limit - same, rules_, previous)
                        .length;
        }
        at1 += same;
        at2 += same;
        const bool end1 = at1 == line1.size();
        const bool end2 = at2 == line2.size();
        // A run of blanks that the equal stretch ended in may go on longer on either side.
        const bool inBlanks = (same > 0 && IsBlank(line1[at1 - 1])) ||
                              (!end1 && !end2 && IsBlank(line1[at1]) && IsBlank(line2[at2]));
        if (rules_.compressBlanks && inBlanks) {
            at1 = SkipBlanksFrom(line1, at1);
            at2 = SkipBlanksFrom(line2, at2);
            continue;
        }
        if (end1 || end2)
            return end1 && end2 && (!equalOnlyAsUtf8 || IsValidUtf8(line1));
        if (!rules_.foldCase || !LettersDifferOnlyInCase(ByteAt(line1, at1), ByteAt(line2, at2)))
            return false;
        // The scan stopped at letters after a byte of 0x80 or above; the line before them is
        // the same on both sides up to case, so line1 tells how Shift-JIS reads them.
        equalOnlyAsUtf8 = equalOnlyAsUtf8 || IsShiftJisSecondByte(line1, at1);
        ++at1;
        ++at2;
    }
}
