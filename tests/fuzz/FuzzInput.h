#pragma once

#include "compare/CompareTuning.h"
#include "platform/files/FileAccess.h"
#include "tests/support/ReferenceComparison.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The fuzzer's bytes as a choice of options and two byte strings: byte 0 holds the options,
// bytes 1 and 2 the length of the first string (little-endian, cut to what is there), the rest
// the first string followed by the second.
namespace fuzz {

struct SplitInput {
    std::uint8_t options = 0;
    std::string_view first;
    std::string_view second;
};

SplitInput Split(const std::uint8_t* data, std::size_t size);

// Bit 0 and 1 of the options, for the targets that choose text options.
inline bool MatchCase(std::uint8_t options) {
    return options & 1;
}
inline bool CompressBlanks(std::uint8_t options) {
    return options & 2;
}

// How the engine goes about a run, from the rest of the options: bits 2 to 4 choose the window
// size, from one byte up to the default, so that lines, CR LF pairs and blank runs straddle
// window edges; bits 5 and 6 the limits, from 0 up to the default, so that the listing's end and
// the counting after it are reached with small inputs; bit 7 reading instead of mapping with one
// worker, against mapping with two.
CompareTuning TuningOf(std::uint8_t options);
// How the files are reached, from bit 7 of the options: read or mapped.
FileAccess AccessOf(std::uint8_t options);

// The limits the tuning holds, for the reference model.
reference::Limits LimitsOf(const CompareTuning& tuning);

} // namespace fuzz
