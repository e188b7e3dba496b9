#include "LineMatcher.h"

#include "CaseFolding.h"
#include "CompressBlanks.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
bool IsBlank(char byte) {
    return byte == ' ' || byte == '\t';
}

char ToUpper(char byte) {
    return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - ('a' - 'A')) : byte;
}

// The length of the common start of two byte ranges, found eight bytes at a time.
std::size_t CommonPrefixLength(const char* first, const char* second, std::size_t limit) {
    std::size_t at = 0;
    for (; limit - at >= 8; at += 8) {
        std::uint64_t word1;
        std::uint64_t word2;
        std::memcpy(&word1, first + at, sizeof word1);
        std::memcpy(&word2, second + at, sizeof word2);
        if (word1 != word2)
            break;
    }
    while (at < limit && first[at] == second[at])
        ++at;
    return at;
}

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = kOnes * 0x80;

// Upper-cases eight bytes that are all below 0x80.
std::uint64_t FoldAsciiWord(std::uint64_t word) {
    const std::uint64_t fromA = word + kOnes * (0x80 - 'a');
    const std::uint64_t pastZ = word + kOnes * (0x80 - 'z' - 1);
    return word - (((fromA & ~pastZ) & kHighBits) >> 2);
}

// True when the bytes are equal or letters equal under folding that follow a byte below 0x80:
// such a letter is a character of its own in UTF-8 and in Shift-JIS alike.
bool SafelyEqualBytes(const char* first, const char* second, std::size_t count,
                      unsigned char previous) {
    for (std::size_t at = 0; at < count; previous = static_cast<unsigned char>(first[at++])) {
        if (first[at] != second[at] &&
            (previous >= 0x80 || ToUpper(first[at]) != ToUpper(second[at]) ||
             ToUpper(first[at]) < 'A' || ToUpper(first[at]) > 'Z'))
            return false;
    }
    return true;
}

// The same for whole lines, eight bytes at a time where they are plain ASCII. False leaves it
// open whether the lines are equal.
bool EqualFoldingSafeLetters(std::string_view line1, std::string_view line2) {
    if (line1.size() != line2.size())
        return false;
    const std::size_t size = line1.size();
    std::size_t at = 0;
    for (; size - at >= 8; at += 8) {
        std::uint64_t word1;
        std::uint64_t word2;
        std::memcpy(&word1, line1.data() + at, sizeof word1);
        std::memcpy(&word2, line2.data() + at, sizeof word2);
        if (word1 == word2)
            continue;
        const unsigned char previous = at > 0 ? static_cast<unsigned char>(line1[at - 1]) : 0;
        const bool foldable = !((word1 | word2) & kHighBits) && previous < 0x80;
        if (foldable ? FoldAsciiWord(word1) != FoldAsciiWord(word2)
                     : !SafelyEqualBytes(line1.data() + at, line2.data() + at, 8, previous))
            return false;
    }
    return SafelyEqualBytes(line1.data() + at, line2.data() + at, size - at,
                            at > 0 ? static_cast<unsigned char>(line1[at - 1]) : 0);
}

std::size_t SkipBlanks(std::string_view line, std::size_t at) {
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    return at;
}

// Compares two lines as if each run of blanks were one blank, without copying them. Folds
// every a-z when asked, so it serves only lines in which every byte is a character of its own.
bool EqualWithBlanksCompressed(std::string_view line1, std::string_view line2, bool foldCase) {
    std::size_t at1 = 0;
    std::size_t at2 = 0;
    for (;;) {
        const std::size_t same =
            CommonPrefixLength(line1.data() + at1, line2.data() + at2,
                               std::min(line1.size() - at1, line2.size() - at2));
        at1 += same;
        at2 += same;
        // A run of blanks that the common start ended in may go on longer on either side.
        if (same > 0 && IsBlank(line1[at1 - 1])) {
            at1 = SkipBlanks(line1, at1);
            at2 = SkipBlanks(line2, at2);
            continue;
        }
        const bool end1 = at1 == line1.size();
        const bool end2 = at2 == line2.size();
        if (end1 || end2)
            return end1 && end2;
        const bool blank1 = IsBlank(line1[at1]);
        const bool blank2 = IsBlank(line2[at2]);
        if (blank1 && blank2) {
            at1 = SkipBlanks(line1, at1);
            at2 = SkipBlanks(line2, at2);
            continue;
        }
        if (blank1 || blank2 || !foldCase || ToUpper(line1[at1]) != ToUpper(line2[at2]))
            return false;
        ++at1;
        ++at2;
    }
}
} // namespace

bool LineMatcher::Equal(std::string_view line1, std::string_view line2) {
    // Both options map equal lines to equal lines, so only lines that differ as read need work.
    if (line1 == line2)
        return true;
    if (!foldCase_ && !compressBlanks_)
        return false;
    // Lines that are equal with blanks compressed stay equal when folded, and most lines that
    // differ only in blanks are decided here without the encoding checks below.
    if (compressBlanks_ && EqualWithBlanksCompressed(line1, line2, false))
        return true;
    if (foldCase_ && !compressBlanks_ && EqualFoldingSafeLetters(line1, line2))
        return true;
    // Folding by characters is right for every byte of a UTF-8 line (and plain ASCII is UTF-8);
    // Shift-JIS lines take the way through copies, which knows their double-byte characters.
    if (compressBlanks_ && IsValidUtf8(line1) && IsValidUtf8(line2))
        return EqualWithBlanksCompressed(line1, line2, foldCase_);
    Normalise(line1, work1_);
    Normalise(line2, work2_);
    return work1_ == work2_;
}

void LineMatcher::Normalise(std::string_view line, std::string& work) const {
    if (compressBlanks_)
        CompressBlanks(line, work);
    else
        work.assign(line);
    if (foldCase_)
        FoldCase(work);
}
