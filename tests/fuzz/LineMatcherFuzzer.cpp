#include "compare/LineMatcher.h"

#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/support/ReferenceText.h"

#include <cstddef>
#include <cstdint>
#include <string>

// LineMatcher against the reference model's line equality under all four option pairs, each
// pair of lines both ways round.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = fuzz::Split(data, size);
    const std::string_view line1 = input.first;
    const std::string_view line2 = input.second;
    for (const bool foldCase : {false, true}) {
        for (const bool compressBlanks : {false, true}) {
            const reference::TextOptions options{foldCase, compressBlanks};
            const LineMatcher matcher(TextRules{foldCase, compressBlanks});
            const std::string what = std::string("fold ") + (foldCase ? "on" : "off") +
                                     ", compress " + (compressBlanks ? "on" : "off") + ": ";
            fuzz::CheckEqual(what + "line1 against line2", matcher.Equal(line1, line2),
                             reference::LinesEqual(line1, line2, options));
            fuzz::CheckEqual(what + "line2 against line1", matcher.Equal(line2, line1),
                             reference::LinesEqual(line2, line1, options));
            fuzz::CheckEqual(what + "line2 against itself", matcher.Equal(line2, line2), true);
            fuzz::CheckEqual(
                what + "line1 against its first half",
                matcher.Equal(line1, line1.substr(0, line1.size() / 2)),
                reference::LinesEqual(line1, line1.substr(0, line1.size() / 2), options));
        }
    }
    return 0;
}
