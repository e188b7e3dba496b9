#include "platform/qt/detail/UriList.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::string_view kFileScheme = "file:";
constexpr std::string_view kAuthorityStart = "//";
// Blanks, line ends and the zero that some sources put after the last line.
constexpr std::string_view kPadding = std::string_view(" \t\r\n\0", 5);

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view left, std::string_view right) {
    return std::ranges::equal(
        left, right, [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

std::string_view Trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(kPadding);
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(kPadding) - first + 1);
}

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

// A percent sign that does not start an escape stands for itself.
std::string PercentDecoded(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == '%' && index + 2 < text.size()) {
            const int high = HexValue(text[index + 1]);
            const int low = HexValue(text[index + 2]);
            if (high >= 0 && low >= 0) {
                bytes += static_cast<char>(high * 16 + low);
                index += 2;
                continue;
            }
        }
        bytes += text[index];
    }
    return bytes;
}

std::optional<std::string> LocalPathOfUri(std::string_view uri, std::string_view localHostName) {
    if (uri.size() < kFileScheme.size() ||
        !EqualIgnoringAsciiCase(uri.substr(0, kFileScheme.size()), kFileScheme))
        return std::nullopt;
    std::string_view rest = uri.substr(kFileScheme.size());
    // A query or a fragment is no part of the file's name.
    rest = rest.substr(0, rest.find_first_of("?#"));
    if (rest.starts_with(kAuthorityStart)) {
        rest.remove_prefix(kAuthorityStart.size());
        const std::string_view host = rest.substr(0, rest.find('/'));
        if (!host.empty() && !EqualIgnoringAsciiCase(host, "localhost") &&
            !EqualIgnoringAsciiCase(host, localHostName))
            return std::nullopt;
        rest.remove_prefix(host.size());
    }
    std::string path = PercentDecoded(rest);
    if (!path.starts_with('/') || path.find('\0') != std::string::npos)
        return std::nullopt;
    return path;
}

} // namespace

std::vector<std::string> LocalPathsOfUriList(std::string_view uriList,
                                             std::string_view localHostName) {
    std::vector<std::string> paths;
    while (!uriList.empty()) {
        const std::size_t end = std::min(uriList.find('\n'), uriList.size());
        const std::string_view line = Trimmed(uriList.substr(0, end));
        uriList.remove_prefix(std::min(end + 1, uriList.size()));
        if (line.empty() || line.starts_with('#'))
            continue;
        if (std::optional<std::string> path = LocalPathOfUri(line, localHostName))
            paths.push_back(std::move(*path));
    }
    return paths;
}
