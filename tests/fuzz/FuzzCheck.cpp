#include "tests/fuzz/FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

std::string Escaped(std::string_view bytes) {
    std::string text;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x20 && value < 0x7F && value != '\\') {
            text += byte;
            continue;
        }
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02X", value);
        text += escape;
    }
    return text;
}

void Fail(std::string_view what, std::string_view detail) {
    std::fprintf(stderr, "\nFINDING: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

void CheckEqual(std::string_view what, std::string_view actual, std::string_view expected) {
    if (actual != expected)
        Fail(what,
             "  got:      \"" + Escaped(actual) + "\"\n  expected: \"" + Escaped(expected) + "\"");
}

void CheckEqual(std::string_view what, const std::vector<std::string>& actual,
                const std::vector<std::string>& expected) {
    for (std::size_t row = 0; row < actual.size() && row < expected.size(); ++row)
        if (actual[row] != expected[row])
            CheckEqual(std::string(what) + ", row " + std::to_string(row), actual[row],
                       expected[row]);
    if (actual.size() != expected.size())
        Fail(what, "  got " + std::to_string(actual.size()) + " rows, expected " +
                       std::to_string(expected.size()));
}

void CheckEqual(std::string_view what, bool actual, bool expected) {
    if (actual != expected)
        Fail(what, actual ? "  got true, expected false" : "  got false, expected true");
}

} // namespace fuzz
