// Writes the C++ source of the CP932 table's data (see Cp932Table.cpp) to the file named by its
// argument, as the C library's iconv decodes each byte alone and each lead byte with each byte
// after it.
// The build fails when the C library has no CP932 conversion.

#include "encoding/ShiftJis.h"

#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

namespace {

// The one character that iconv makes of exactly these bytes, all of them taken.
std::optional<char32_t> Decode(iconv_t decoder, std::string bytes) {
    char32_t character = 0;
    char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    char* out = reinterpret_cast<char*>(&character);
    std::size_t outLeft = sizeof character;
    const bool taken = iconv(decoder, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv(decoder, nullptr, nullptr, nullptr, nullptr);
    if (!taken || inLeft != 0 || outLeft != 0 || character >= 0xFFFF)
        return std::nullopt;
    return character;
}

std::string Entry(std::optional<char32_t> character) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X,", static_cast<unsigned>(character.value_or(0xFFFF)));
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeCp932Table OUTPUT.cpp\n");
        return 2;
    }
    const iconv_t decoder = iconv_open("UTF-32LE", "CP932");
    if (decoder == reinterpret_cast<iconv_t>(-1)) {
        std::perror("MakeCp932Table: no CP932 conversion in the C library");
        return 1;
    }
    std::string source = "// Made by MakeCp932Table from the C library's CP932 table when the "
                         "program was built.\n\nextern const char16_t kCp932Singles[256] = {\n";
    for (unsigned byte = 0; byte < 256; ++byte)
        source += Entry(Decode(decoder, std::string(1, static_cast<char>(byte)))) +
                  (byte % 16 == 15 ? "\n" : "");
    source += "};\n\nextern const char16_t kCp932Pairs[60][0xFD - 0x40] = {\n";
    unsigned rows = 0;
    for (unsigned lead = 0x80; lead < 0x100; ++lead) {
        if (!IsShiftJisLeadByte(static_cast<unsigned char>(lead)))
            continue;
        source += "{";
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
            source += Entry(Decode(decoder, {static_cast<char>(lead), static_cast<char>(trail)}));
        source += "},\n";
        ++rows;
    }
    source += "};\n";
    iconv_close(decoder);
    if (rows != 60) {
        std::fprintf(stderr, "MakeCp932Table: %u lead bytes, where the table has rows for 60\n",
                     rows);
        return 1;
    }
    std::ofstream output(argv[1], std::ios::binary);
    output << source;
    output.close();
    if (!output) {
        std::perror("MakeCp932Table: cannot write the table");
        return 1;
    }
    return 0;
}
