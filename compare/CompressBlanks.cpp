#include "CompressBlanks.h"

void CompressBlanks(std::string_view line, std::string& compressed) {
    compressed.clear();
    bool afterBlank = false;
    for (const char byte : line) {
        const bool blank = byte == ' ' || byte == '\t';
        if (!blank)
            compressed.push_back(byte);
        else if (!afterBlank)
            compressed.push_back(' ');
        afterBlank = blank;
    }
}
