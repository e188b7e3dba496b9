#include "encoding/ShiftJis.h"
#include "encoding/Utf8.h"

#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/ReferenceText.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The encoding rules against the reference model, on every line: which lines are UTF-8, and
// which letters fold (every one of a UTF-8 line; in any other, all but the second bytes of
// Shift-JIS characters).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const bool utf8 = IsValidUtf8(line);
    fuzz::CheckEqual("IsValidUtf8", utf8, reference::IsUtf8(line));
    const std::string folded = reference::FoldCase(line);
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] < 'a' || line[at] > 'z')
            continue;
        fuzz::CheckEqual("IsShiftJisSecondByte at " + std::to_string(at),
                         !utf8 && IsShiftJisSecondByte(line, at), folded[at] == line[at]);
    }
    return 0;
}
