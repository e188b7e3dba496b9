#pragma once

#include <array>
#include <string_view>

// What the program says of itself to the desktop: its version and the strings that describe it.
// The desktop entry and the AppStream metainfo take their values from here. The version comes
// from the build (VY_VERSION and its short forms), which takes it from the CMake project.

// One described value under its key; values are UTF-8.
struct VersionString {
    std::string_view key;
    std::string_view value;
};

struct VersionInfo {
    std::string_view version; // as 1.0.0.1
    std::array<VersionString, 7> strings;
};

inline constexpr VersionInfo kVersionInfo = {
    .version = VY_VERSION,
    .strings = {{
        {"CompanyName", "Tolbrin"},
        {"FileDescription", "ﾌｧｲﾙ比較 Vy"},
        {"FileVersion", VY_RESOURCE_VERSION},
        {"InternalName", "Vy"},
        {"OriginalFilename", "Vy.exe"},
        {"ProductName", "Vy ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"ProductVersion", VY_RESOURCE_VERSION},
    }},
};
