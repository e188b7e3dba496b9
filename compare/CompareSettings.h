#pragma once

#include "compare/CompareMode.h"
#include "compare/TextRules.h"

#include <cstdint>

// What a run compares and what counts as a difference in text, as the dialogs keep it: the mode
// and the two text options, each on when nonzero, which the binary comparison does not read.
struct CompareSettings {
    CompareMode mode = CompareMode::Binary;
    std::int32_t matchCase = 0;      // on: case matters; off: a-z fold to A-Z
    std::int32_t compressBlanks = 0; // on: runs of blanks and tabs count as one blank
};

// The text rules that the settings ask for, made once where a run starts.
inline TextRules TextRulesOf(const CompareSettings& settings) {
    return {.foldCase = settings.matchCase == 0, .compressBlanks = settings.compressBlanks != 0};
}
