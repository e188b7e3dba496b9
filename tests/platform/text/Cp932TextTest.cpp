#include "platform/text/Cp932Text.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace {

// What the C library's iconv makes of the bytes as CP932, or nothing when it refuses them.
std::string IconvUtf8(std::string bytes) {
    const iconv_t decoder = iconv_open("UTF-8", "CP932");
    if (decoder == reinterpret_cast<iconv_t>(-1))
        return "(no CP932 in the C library)";
    std::string out(16, '\0');
    char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    char* cursor = out.data();
    std::size_t outLeft = out.size();
    const bool taken =
        iconv(decoder, &in, &inLeft, &cursor, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(decoder);
    out.resize(taken ? out.size() - outLeft : 0);
    return out;
}

} // namespace

// The table built into the program decodes every character as the C library does, so that
// rows read the same whether or not the system has its conversion modules.
TEST(Cp932Text, DecodesEveryCharacterAsTheCLibraryDoes) {
    for (unsigned first = 0; first < 256; ++first) {
        for (unsigned second = 0; second < 256; ++second) {
            const std::string pair{static_cast<char>(first), static_cast<char>(second)};
            const std::string expected = IconvUtf8(pair);
            // A pair the library takes as one character, or as two that stand alone.
            if (expected.empty())
                continue;
            ASSERT_EQ(Cp932ToUtf8(pair, 2), expected) << std::hex << first << ' ' << second;
        }
    }
}
