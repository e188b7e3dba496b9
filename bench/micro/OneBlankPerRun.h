#pragma once

#include <string>

// The text with each run of blanks and tabs turned into one blank.
inline std::string OneBlankPerRun(const std::string& text) {
    std::string result;
    for (const char byte : text) {
        const bool blank = byte == ' ' || byte == '\t';
        if (!blank)
            result.push_back(byte);
        else if (result.empty() || result.back() != ' ')
            result.push_back(' ');
    }
    return result;
}
