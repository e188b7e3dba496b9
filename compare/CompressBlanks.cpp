#include "CompressBlanks.h"

namespace {
bool IsBlank(char byte) {
    return byte == ' ' || byte == '\t';
}
} // namespace

void CompressBlanks(std::string_view line, std::string& compressed) {
    compressed.clear();
    for (std::size_t at = 0; at < line.size();) {
        if (!IsBlank(line[at])) {
            compressed.push_back(line[at++]);
            continue;
        }
        compressed.push_back(' ');
        while (at < line.size() && IsBlank(line[at]))
            ++at;
    }
}
