#pragma once

#include <string>
#include <string_view>

// The separator between folders in this platform's paths.
inline constexpr char kPathSeparator = '/';

// The bytes of a path after its last separator, or the whole path when it has none; empty for
// a path that ends in the separator. Single bytes are scanned, nothing is decoded.
std::string DisplayName(std::string_view path, char separator = kPathSeparator);
