#pragma once

#include "CompareMode.h"

#include <cstdint>

// The comparison choices of the whole process: never saved, reset by the main window.
struct CompareSettings {
    CompareMode mode = CompareMode::Binary;
    std::int32_t matchCase = 0;      // 1: case matters; 0: a-z fold to A-Z
    std::int32_t compressBlanks = 0; // 1: runs of blanks and tabs count as one blank
};

// The one record that runs, the text comparison and the settings dialog share.
extern CompareSettings compareSettings;
