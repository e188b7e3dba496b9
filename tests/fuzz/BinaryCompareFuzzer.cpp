#include "BinaryCompare.h"

#include "ComparisonCheck.h"
#include "FuzzInput.h"
#include "MemoryResultPanel.h"
#include "ReferenceComparison.h"
#include "TwoFiles.h"

#include <cstddef>
#include <cstdint>

namespace {
constexpr reference::Limits kLimits{};
} // namespace

// A whole binary comparison of two files against the reference model.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::TwoFiles files;
    const auto contents = fuzz::ContentsOf(fuzz::Split(data, size));
    files.Write(contents.bytes1, contents.bytes2);

    MemoryResultPanel panel;
    const CompareOutcome outcome = RunBinaryCompare(panel, files.Path1(), files.Path2());
    fuzz::CheckComparison(panel, outcome,
                          reference::CompareBinary(contents.bytes1, contents.bytes2, kLimits));
    return 0;
}
