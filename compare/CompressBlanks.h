#pragma once

#include <string>
#include <string_view>

// Writes the line into compressed with every run of blanks and tabs, wherever it stands,
// turned into one blank. No other byte counts as a blank.
void CompressBlanks(std::string_view line, std::string& compressed);
