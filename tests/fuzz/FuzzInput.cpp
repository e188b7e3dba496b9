#include "tests/fuzz/FuzzInput.h"

#include <algorithm>

namespace fuzz {
namespace {
constexpr std::size_t kWindowSizes[] = {1, 2, 3, 7, 64, 4096, 65536, CompareTuning{}.windowSize};
constexpr std::int64_t kByteLimits[] = {0, 1, 3, CompareTuning{}.byteLimit};
constexpr std::int64_t kLineLimits[] = {0, 1, 3, CompareTuning{}.lineLimit};

bool ReadsInstead(std::uint8_t options) {
    return options & 0x80;
}
} // namespace

SplitInput Split(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // A header cut short reads as zeros.
    const auto headerByte = [&](std::size_t index) -> std::size_t {
        return index < size ? data[index] : 0;
    };
    const std::string_view rest = bytes.substr(std::min<std::size_t>(3, size));
    const std::size_t firstLength = std::min(headerByte(1) | headerByte(2) << 8, rest.size());
    SplitInput input;
    input.options = static_cast<std::uint8_t>(headerByte(0));
    input.first = rest.substr(0, firstLength);
    input.second = rest.substr(firstLength);
    return input;
}

CompareTuning TuningOf(std::uint8_t options) {
    CompareTuning tuning;
    tuning.windowSize = kWindowSizes[options >> 2 & 7];
    tuning.byteLimit = kByteLimits[options >> 5 & 3];
    tuning.lineLimit = kLineLimits[options >> 5 & 3];
    tuning.workers = ReadsInstead(options) ? Workers::One : Workers::Two;
    return tuning;
}

FileAccess AccessOf(std::uint8_t options) {
    return {.map = !ReadsInstead(options)};
}

reference::Limits LimitsOf(const CompareTuning& tuning) {
    return {tuning.byteLimit, tuning.lineLimit};
}

} // namespace fuzz
