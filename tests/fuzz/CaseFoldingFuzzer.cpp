#include "CaseFolding.h"

#include "FuzzCheck.h"
#include "ReferenceText.h"

#include <cstddef>
#include <cstdint>
#include <string>

// FoldCase and IsValidUtf8 against the reference model, on every line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    fuzz::CheckEqual("IsValidUtf8", IsValidUtf8(line), reference::IsUtf8(line));
    std::string folded(line);
    FoldCase(folded);
    fuzz::CheckEqual("FoldCase", folded, reference::FoldCase(line));
    return 0;
}
