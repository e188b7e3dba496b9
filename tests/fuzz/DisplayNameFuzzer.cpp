#include "compare/DisplayName.h"

#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/ReferenceText.h"

#include <cstddef>
#include <cstdint>

// DisplayName against the reference model with the slash and the backslash as separator.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    for (const char separator : {'/', '\\'})
        fuzz::CheckEqual(separator == '/' ? "DisplayName with /" : "DisplayName with \\",
                         DisplayName(path, separator), reference::DisplayName(path, separator));
    return 0;
}
