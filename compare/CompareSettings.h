#pragma once

#include "compare/CompareMode.h"

#include <cstdint>

// What a run compares and what counts as a difference in text: the mode and the two text
// options, which the binary comparison does not read.
struct CompareSettings {
    CompareMode mode = CompareMode::Binary;
    std::int32_t matchCase = 0;      // 1: case matters; 0: a-z fold to A-Z
    std::int32_t compressBlanks = 0; // 1: runs of blanks and tabs count as one blank
};
