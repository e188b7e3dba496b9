#include "compare/TextCompare.h"

#include "tests/fuzz/ComparisonCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/ReferenceComparison.h"
#include "tests/support/TempDir.h"

#include <cstddef>
#include <cstdint>

// A whole text comparison of two files, under the options the input chooses, against the
// reference model.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempDir folder;
    const auto input = fuzz::Split(data, size);
    const auto path1 = folder.Write("a.txt", input.first);
    const auto path2 = folder.Write("b.txt", input.second);

    const reference::TextOptions options{!fuzz::MatchCase(input.options),
                                         fuzz::CompressBlanks(input.options)};
    const TextRules rules{options.foldCase, options.compressBlanks};
    const CompareTuning tuning = fuzz::TuningOf(input.options);
    MemoryResultPanel panel;
    const CompareOutcome outcome =
        RunTextCompare(panel, path1, path2, rules, tuning, fuzz::AccessOf(input.options)).outcome;
    fuzz::CheckComparison(panel, outcome,
                          reference::CompareText(input.first, input.second, path1, path2, options,
                                                 fuzz::LimitsOf(tuning)));
    return 0;
}
