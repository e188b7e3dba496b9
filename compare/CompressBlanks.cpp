#include "CompressBlanks.h"

void CompressBlanks(std::string_view line, std::string& compressed) {
    compressed.resize(line.size());
    char* const begin = compressed.data();
    char* out = begin;
    unsigned previousBlank = 0;
    // Every byte is written and the write position moves on except for a blank after a blank;
    // done with arithmetic instead of branches, which mispredict on every run of blanks.
    for (const char byte : line) {
        const auto value = static_cast<unsigned char>(byte);
        const unsigned blank = static_cast<unsigned>(value == ' ') | (value == '\t');
        const unsigned blankMask = 0u - blank;
        *out = static_cast<char>(value ^ ((value ^ ' ') & blankMask));
        out += 1 - (blank & previousBlank);
        previousBlank = blank;
    }
    compressed.resize(static_cast<std::size_t>(out - begin));
}
