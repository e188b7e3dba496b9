#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The version block that describes the program file: its fixed fields, one string table and the
// table's translation. The program never reads it; the desktop entry and the AppStream metainfo
// take their values from here.

// A four-part version number, most significant part first.
struct VersionNumber {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t patch = 0;
    std::uint16_t build = 0;
};

// One value of the string table under its key; values are UTF-8.
struct VersionString {
    std::string_view key;
    std::string_view value;
};

// The operating system and file type codes of the fixed fields (VOS__WINDOWS32 and VFT_APP).
inline constexpr std::uint32_t kVosWindows32 = 4;
inline constexpr std::uint32_t kVftApp = 1;

// A whole version block.
struct VersionInfo {
    VersionNumber fileVersion;
    VersionNumber productVersion;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOs = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint64_t fileDate = 0;
    std::string_view stringTableKey;
    std::array<VersionString, 7> strings;
    std::uint16_t translationLanguage = 0;
    std::uint16_t translationCodePage = 0;
};

inline constexpr VersionInfo kVersionInfo = {
    .fileVersion = {1, 0, 0, 1},
    .productVersion = {1, 0, 0, 1},
    .fileFlagsMask = 0x3F,
    .fileFlags = 0,
    .fileOs = kVosWindows32,
    .fileType = kVftApp,
    .fileSubtype = 0,
    .fileDate = 0,
    .stringTableKey = "041104b0",
    .strings = {{
        {"CompanyName", "Tolbrin"},
        {"FileDescription", "ﾌｧｲﾙ比較 Vy"},
        {"FileVersion", "1, 00"},
        {"InternalName", "Vy"},
        {"OriginalFilename", "Vy.exe"},
        {"ProductName", "Vy ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"ProductVersion", "1, 00"},
    }},
    .translationLanguage = 0x0411,
    .translationCodePage = 1200,
};
