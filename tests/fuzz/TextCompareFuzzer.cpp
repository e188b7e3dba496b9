#include "compare/TextCompare.h"

#include "tests/fuzz/ComparisonCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/TwoFiles.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/ReferenceComparison.h"

#include <cstddef>
#include <cstdint>

// A whole text comparison of two files, under the options the input chooses, against the
// reference model.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::TwoFiles files;
    const auto input = fuzz::Split(data, size);
    files.Write(input.first, input.second);

    const reference::TextOptions options{!fuzz::MatchCase(input.options),
                                         fuzz::CompressBlanks(input.options)};
    const TextRules rules{options.foldCase, options.compressBlanks};
    const CompareTuning tuning = fuzz::TuningOf(input.options);
    MemoryResultPanel panel;
    const CompareOutcome outcome = RunTextCompare(panel, files.Path1(), files.Path2(), rules,
                                                  tuning, fuzz::AccessOf(input.options))
                                       .outcome;
    fuzz::CheckComparison(panel, outcome,
                          reference::CompareText(input.first, input.second, files.Path1(),
                                                 files.Path2(), options, fuzz::LimitsOf(tuning)));
    return 0;
}
