#pragma once

#include <string_view>

// The texts a comparison shows, written out once for every test that expects them.
namespace expected {
inline constexpr std::string_view kAddressHeading = " ｱﾄﾞﾚｽ";
inline constexpr std::string_view kNoDifference = "違いは見つかりませんでした";

inline constexpr std::string_view kFile1Longer = "File1 が File2 より長い";
inline constexpr std::string_view kSameLength = "File1 と File2 の長さは同じ";
inline constexpr std::string_view kFile2Longer = "File2 が File1 より長い";

inline constexpr std::string_view kFile1MoreLines = "File1 が File2 より行数が多い";
inline constexpr std::string_view kSameLineCount = "File1 と File2 の行数は同じ";
inline constexpr std::string_view kFile2MoreLines = "File2 が File1 より行数が多い";

inline constexpr std::string_view kChooseFile1 = "File1 を指定してください";
inline constexpr std::string_view kChooseFile2 = "File2 を指定してください";
inline constexpr std::string_view kSameFile = "同じファイルです";
inline constexpr std::string_view kErrorCaption = "Error!!!";
inline constexpr std::string_view kFileErrorCaption = "File Error!!!";
inline constexpr std::string_view kReadErrorCaption = "File Read Error!!!";
} // namespace expected
