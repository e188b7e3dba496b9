#pragma once

#include "compare/TextRules.h"

#include <cstddef>

// What ScanEqualText found: an equal stretch from the start of both ranges and its line feeds.
struct EqualText {
    static constexpr std::size_t kNoLineFeed = static_cast<std::size_t>(-1);

    std::size_t length;            // bytes in the stretch
    std::size_t lineFeeds;         // '\n' bytes in it
    std::size_t afterLastLineFeed; // the offset just past the last of them, or kNoLineFeed
};

// How far a walk of two texts side by side got while they agreed; a walk goes on from where the
// last one stopped.
struct TextWalk {
    std::size_t at1 = 0;        // bytes passed in the first text
    std::size_t at2 = 0;        // and in the second
    std::size_t lineFeeds = 0;  // line feeds passed, the same in both
    std::size_t lineStart1 = 0; // just past the last of them in each, once there is one
    std::size_t lineStart2 = 0;
    unsigned char previous = '\n'; // the byte before at1
    bool disagree = false;         // stopped where the texts disagree, not where one ran out
};

// The byte scans under the comparisons' inner loops, each in the fastest form the processor runs
// (chosen once). Each reads only the n bytes of its ranges, allocates nothing, takes no lock and
// calls nothing outside this module, so a caller may abandon one at any instruction.

// The index of the first byte where a and b differ, or n.
std::size_t FirstDifference(const char* a, const char* b, std::size_t n);

// The stretch from the start where a and b are equal. Where the rules fold case it also takes in
// a pair of letters that differ only in case when the byte before them in a (previousByte before
// index 0) is below 0x80: such a letter is a character of its own in UTF-8 and in Shift-JIS
// alike, since a Shift-JIS second byte always follows a byte of 0x81 or above. Blanks are
// compared byte for byte whatever the rules say; WalkText compresses their runs.
EqualText ScanEqualText(const char* a, const char* b, std::size_t n, TextRules rules,
                        unsigned char previousByte);

// The number of '\n' bytes.
std::size_t CountLineFeeds(const char* p, std::size_t n);

// Walks a (n1 bytes) and b (n2 bytes) side by side from walk.at1 and walk.at2 while they agree
// under the rules, and stops where either runs out or they disagree otherwise. Where the
// processor can compress bytes, runs of blanks are compared compressed a segment at a time;
// elsewhere they are skipped from the blank masks of the bytes already loaded.
void WalkText(const char* a, std::size_t n1, const char* b, std::size_t n2, TextRules rules,
              TextWalk& walk);
