#include "TextCompare.h"

#include "CompareSettings.h"
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

// A whole text comparison of two files, under the options the input chooses, against the
// reference model.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::TwoFiles files;
    const auto input = fuzz::Split(data, size);
    const auto contents = fuzz::ContentsOf(input);
    files.Write(contents.bytes1, contents.bytes2);

    const reference::TextOptions options{!fuzz::MatchCase(input.options),
                                         fuzz::CompressBlanks(input.options)};
    compareSettings = {CompareMode::Text, options.foldCase ? 0 : 1, options.compressBlanks ? 1 : 0};
    MemoryResultPanel panel;
    const CompareOutcome outcome = RunTextCompare(panel, files.Path1(), files.Path2());
    fuzz::CheckComparison(panel, outcome,
                          reference::CompareText(contents.bytes1, contents.bytes2, files.Path1(),
                                                 files.Path2(), options, kLimits));
    return 0;
}
