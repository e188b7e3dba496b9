#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What a comparison counts its differences in, and how many it lists at most.
struct DifferenceUnit {
    std::string_view name; // "ﾊﾞｲﾄ" or "行"
    std::int64_t limit;
};

// The row that ends a listing cut at the limit, such as "4000 行を超えました".
std::string OverLimitRow(const DifferenceUnit& unit);

// The one-line summary of a comparison: over the limit, none, or how many.
std::string DifferenceSummary(std::int64_t differences, const DifferenceUnit& unit);

// The summary of a comparison stopped before its end, with the differences found until then,
// such as "中止しました (3 行の違い)".
std::string StoppedSummary(std::int64_t differences, const DifferenceUnit& unit);
