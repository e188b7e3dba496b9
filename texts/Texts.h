#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Every text the program shows or prints from its code, in one place for a translator or a
// reviewer: the messages and their captions, the result's rows, verdicts and summaries, the
// progress, the reasons a file could not be read, the window's captions, menus and tooltips set
// from code, and vy-cmp's result lines.
//
// What lives elsewhere, and why:
// - the dialogs' own control captions stay in their templates (res/*DialogTemplate.cpp), and the
//   string table (res/StringTable.cpp) names its entries from here: both are resources already;
// - vy-cmp's usage, --help and the one-line errors about its command line and its output stay in
//   cli/ (CommandLine.h, CommandLine.cpp, main.cpp): they are the command's English interface,
//   as its manual page and bash completion give it, not texts of the window's language;
// - the file dialog's "File not found" is Qt's own, translated by Qt's catalogue;
// - the tests write out what they expect on their own (tests/support/ExpectedTexts.h), so that a
//   text changed here shows as a failing test.
namespace texts {

// --- The checks before a run, and the captions of the run's messages.
inline constexpr std::string_view kErrorCaption = "Error!!!";
inline constexpr std::string_view kFileErrorCaption = "File Error!!!";
inline constexpr std::string_view kReadErrorCaption = "File Read Error!!!";
inline constexpr std::string_view kChooseFile1 = "File1 を指定してください";
inline constexpr std::string_view kChooseFile2 = "File2 を指定してください";
inline constexpr std::string_view kSameFile = "同じファイルです";

// --- The result of a comparison.

// What a comparison counts its differences in: bytes in a binary run, lines in a text run.
enum class Measure { Bytes, Lines };

// What a comparison counts, and how many differences it lists at most.
struct DifferenceUnit {
    Measure measure;
    std::int64_t limit;
};

// Which file is longer in the measure (lengths in bytes, or line counts), such as
// "File1 が File2 より長い" or "File2 が File1 より行数が多い".
std::string_view LengthVerdict(Measure measure, std::int64_t length1, std::int64_t length2);

// The row that ends a listing cut at the limit, such as "4000 行を超えました".
std::string OverLimitRow(const DifferenceUnit& unit);

// The one-line summary of a comparison: over the limit, none, or how many.
std::string DifferenceSummary(std::int64_t differences, const DifferenceUnit& unit);

// The summary of a comparison stopped before its end, with the differences found until then,
// such as "中止しました (3 行の違い)".
std::string StoppedSummary(std::int64_t differences, const DifferenceUnit& unit);

// The heading row of a binary listing, and one differing byte: offset, then both bytes, in hex.
inline constexpr std::string_view kAddressHeading = " ｱﾄﾞﾚｽ";
std::string ByteDifferenceRow(std::int64_t offset, unsigned byte1, unsigned byte2);

// The rows that open a pair of differing lines: "12 行", then each file's heading before its line.
std::string LineNumberRow(std::int64_t lineNumber);
std::string FileHeadingRow(std::string_view displayName);

// The summary's place while a long comparison runs: "比較中… 42%", or without a share when the
// total is not known (percent below 0).
std::string ProgressText(std::int64_t percent);

// --- Why a file could not be read, for a message line (the system's own words otherwise).
inline constexpr std::string_view kNotRegularFile = "Not a regular file";
inline constexpr std::string_view kChangedDuringComparison = "changed during the comparison";
std::string NotEnoughMemory(std::int64_t bytes);
std::string NotEnoughMemoryForLine(std::int64_t bytes);

// --- The window.
inline constexpr std::string_view kBinaryRunCaption = "ﾌｧｲﾙ比較 Vy   (ﾊﾞｲﾅﾘ比較)";
inline constexpr std::string_view kTextRunCaption = "ﾌｧｲﾙ比較 Vy   (ﾃｷｽﾄ比較)";
inline constexpr std::string_view kAboutMenuItem = "ﾊﾞｰｼﾞｮﾝ情報(Vy) (&A)...";
// The file dialog's filter, as "name|pattern|" pairs.
inline constexpr std::string_view kAllFilesFilter = "すべてのﾌｧｲﾙ (*.*)|*.*|";
// The tooltip of a row whose difference is marked, from its first differing column (from 1).
std::string DiffersFromColumn(std::int64_t column);
// The result list's context menu.
inline constexpr std::string_view kCopyRow = "コピー(&C)";
inline constexpr std::string_view kCopyAllRows = "すべてコピー(&A)";
// A dialog's system menu.
inline constexpr std::string_view kRestoreItem = "元のサイズに戻す(&R)";
inline constexpr std::string_view kMoveItem = "移動(&M)";
inline constexpr std::string_view kSizeItem = "サイズ変更(&S)";
inline constexpr std::string_view kMinimizeItem = "最小化(&N)";
inline constexpr std::string_view kMaximizeItem = "最大化(&X)";
inline constexpr std::string_view kCloseItem = "閉じる(&C)";

// --- vy-cmp's result lines: each label, then the name, verdict or summary.
inline constexpr std::string_view kFile1Label = "File1: ";
inline constexpr std::string_view kFile2Label = "File2: ";
inline constexpr std::string_view kLengthLabel = "長さ: ";
inline constexpr std::string_view kDifferencesLabel = "違い: ";

} // namespace texts
