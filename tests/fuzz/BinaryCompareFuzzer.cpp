#include "compare/BinaryCompare.h"

#include "tests/fuzz/ComparisonCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/ReferenceComparison.h"
#include "tests/support/TempDir.h"

#include <cstddef>
#include <cstdint>

// A whole binary comparison of two files against the reference model.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempDir folder;
    const auto input = fuzz::Split(data, size);
    const auto path1 = folder.Write("a.bin", input.first);
    const auto path2 = folder.Write("b.bin", input.second);

    const CompareTuning tuning = fuzz::TuningOf(input.options);
    MemoryResultPanel panel;
    const CompareOutcome outcome =
        RunBinaryCompare(panel, path1, path2, tuning, fuzz::AccessOf(input.options)).outcome;
    fuzz::CheckComparison(
        panel, outcome,
        reference::CompareBinary(input.first, input.second, fuzz::LimitsOf(tuning)));
    return 0;
}
