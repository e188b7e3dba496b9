#pragma once

#include "compare/TextRules.h"

#include <cstddef>
#include <string_view>

// Where two lines that differ under the text rules differ: in each line, the bytes [begin, end)
// between the longest start and the longest end that the two lines share under the rules
// (folded letters and runs of blanks count as equal). A stretch may be empty in one line, where
// the other has more. It begins and ends on whole Shift-JIS characters.
struct DifferingStretch {
    std::size_t begin1 = 0;
    std::size_t end1 = 0;
    std::size_t begin2 = 0;
    std::size_t end2 = 0;
    bool operator==(const DifferingStretch&) const = default;
};

// Finds the stretch without copying or allocating, so that its caller may abandon it at any
// instruction, as the line matcher. A letter is folded only after a byte below 0x80, where it is a
// character of its own in every encoding: where that leaves a doubt, the stretch is the wider.
DifferingStretch FindDifferingStretch(std::string_view line1, std::string_view line2,
                                      TextRules rules) noexcept;
