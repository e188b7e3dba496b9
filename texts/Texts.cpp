#include "texts/Texts.h"

#include <cinttypes>
#include <cstdio>

namespace texts {
namespace {

std::string_view UnitName(Measure measure) {
    return measure == Measure::Bytes ? "ﾊﾞｲﾄ" : "行";
}

// A count and its unit, such as "3 行".
std::string Counted(std::int64_t count, Measure measure) {
    return std::to_string(count) + ' ' + std::string(UnitName(measure));
}

struct Verdicts {
    std::string_view file1Longer;
    std::string_view same;
    std::string_view file2Longer;
};
constexpr Verdicts kByLength{"File1 が File2 より長い", "File1 と File2 の長さは同じ",
                             "File2 が File1 より長い"};
constexpr Verdicts kByLineCount{"File1 が File2 より行数が多い", "File1 と File2 の行数は同じ",
                                "File2 が File1 より行数が多い"};

} // namespace

std::string_view LengthVerdict(Measure measure, std::int64_t length1, std::int64_t length2) {
    const Verdicts& verdicts = measure == Measure::Bytes ? kByLength : kByLineCount;
    if (length1 > length2)
        return verdicts.file1Longer;
    if (length1 == length2)
        return verdicts.same;
    return verdicts.file2Longer;
}

std::string OverLimitRow(const DifferenceUnit& unit) {
    return Counted(unit.limit, unit.measure) + "を超えました";
}

std::string DifferenceSummary(std::int64_t differences, const DifferenceUnit& unit) {
    if (differences > unit.limit)
        return Counted(unit.limit, unit.measure) + "を超える、違いがありました";
    if (differences == 0)
        return "違いは見つかりませんでした";
    return Counted(differences, unit.measure) + "の、違いがありました";
}

std::string StoppedSummary(std::int64_t differences, const DifferenceUnit& unit) {
    // What was stopped comes first, so that a label too narrow for the count still says it.
    if (differences > unit.limit)
        return "中止しました (" + Counted(unit.limit, unit.measure) + "を超える違い)";
    return "中止しました (" + Counted(differences, unit.measure) + "の違い)";
}

std::string ByteDifferenceRow(std::int64_t offset, unsigned byte1, unsigned byte2) {
    char row[64];
    std::snprintf(row, sizeof row, "%08" PRIX64 " %02X : %02X", static_cast<std::uint64_t>(offset),
                  byte1, byte2);
    return row;
}

std::string LineNumberRow(std::int64_t lineNumber) {
    return Counted(lineNumber, Measure::Lines);
}

std::string FileHeadingRow(std::string_view displayName) {
    return "******** " + std::string(displayName);
}

std::string ProgressText(std::int64_t percent) {
    if (percent < 0)
        return "比較中…";
    return "比較中… " + std::to_string(percent) + "%";
}

std::string NotEnoughMemory(std::int64_t bytes) {
    return "not enough memory for " + std::to_string(bytes) + " bytes";
}

std::string NotEnoughMemoryForLine(std::int64_t bytes) {
    return "not enough memory for a line of " + std::to_string(bytes) + " bytes";
}

std::string DiffersFromColumn(std::int64_t column) {
    return std::to_string(column) + " 桁目から違います";
}

} // namespace texts
