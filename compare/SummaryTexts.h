#pragma once

#include <string_view>

// The difference summary that both comparisons give when nothing differs.
inline constexpr std::string_view kNoDifferencesFound = "違いは見つかりませんでした";
