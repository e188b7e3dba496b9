#include "CompressBlanks.h"

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "ReferenceText.h"

#include <cstddef>
#include <cstdint>
#include <string>

// CompressBlanks against the reference model, writing into a string that held another line
// before, as a run's reused work copy does.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = fuzz::Split(data, size);
    std::string compressed(input.second);
    CompressBlanks(input.first, compressed);
    fuzz::CheckEqual("CompressBlanks", compressed, reference::CompressBlanks(input.first));
    return 0;
}
