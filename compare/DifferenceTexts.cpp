#include "compare/DifferenceTexts.h"

std::string OverLimitRow(const DifferenceUnit& unit) {
    return std::to_string(unit.limit) + ' ' + std::string(unit.name) + "を超えました";
}

std::string DifferenceSummary(std::int64_t differences, const DifferenceUnit& unit) {
    if (differences > unit.limit)
        return std::to_string(unit.limit) + ' ' + std::string(unit.name) +
               "を超える、違いがありました";
    if (differences == 0)
        return "違いは見つかりませんでした";
    return std::to_string(differences) + ' ' + std::string(unit.name) + "の、違いがありました";
}

std::string StoppedSummary(std::int64_t differences, const DifferenceUnit& unit) {
    // What was stopped comes first, so that a label too narrow for the count still says it.
    if (differences > unit.limit)
        return "中止しました (" + std::to_string(unit.limit) + ' ' + std::string(unit.name) +
               "を超える違い)";
    return "中止しました (" + std::to_string(differences) + ' ' + std::string(unit.name) +
           "の違い)";
}
