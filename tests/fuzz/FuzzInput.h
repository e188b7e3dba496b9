#pragma once

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

// The two files of a run: the two strings; or, when bits 2 to 4 of the options are all set, the
// two strings after one equal long line that ends 2^(bits 5 to 7) bytes before 256 KiB, so that
// the strings straddle the end of the first block that the engine reads.
struct FileContents {
    std::string bytes1;
    std::string bytes2;
};
FileContents ContentsOf(const SplitInput& input);

} // namespace fuzz
