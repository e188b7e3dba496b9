#include "FuzzInput.h"

#include <algorithm>

namespace fuzz {
namespace {
constexpr std::size_t kFirstBlockBytes = 256 * 1024;

bool WantsLargeFiles(std::uint8_t options) {
    return (options >> 2 & 7) == 7;
}

// One long line that ends 1 to 128 bytes before the end of the first block.
std::string LeadingLine(std::uint8_t options) {
    std::string line(kFirstBlockBytes - (std::size_t{1} << (options >> 5)), 'x');
    line.back() = '\n';
    return line;
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

FileContents ContentsOf(const SplitInput& input) {
    if (!WantsLargeFiles(input.options))
        return {std::string(input.first), std::string(input.second)};
    const std::string leadingLine = LeadingLine(input.options);
    return {leadingLine + std::string(input.first), leadingLine + std::string(input.second)};
}

} // namespace fuzz
