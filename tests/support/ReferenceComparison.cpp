#include "tests/support/ReferenceComparison.h"

#include <cstdio>

namespace reference {
namespace {

std::string LengthVerdict(std::int64_t length1, std::int64_t length2) {
    if (length1 > length2)
        return "File1 が File2 より長い";
    if (length1 == length2)
        return "File1 と File2 の長さは同じ";
    return "File2 が File1 より長い";
}

std::string LineCountVerdict(std::int64_t lines1, std::int64_t lines2) {
    if (lines1 > lines2)
        return "File1 が File2 より行数が多い";
    if (lines1 == lines2)
        return "File1 と File2 の行数は同じ";
    return "File2 が File1 より行数が多い";
}

std::string Summary(std::int64_t differences, std::int64_t limit, std::string_view unit) {
    if (differences > limit)
        return std::to_string(limit) + " " + std::string(unit) + "を超える、違いがありました";
    if (differences == 0)
        return "違いは見つかりませんでした";
    return std::to_string(differences) + " " + std::string(unit) + "の、違いがありました";
}

std::string OverLimitRow(std::int64_t limit, std::string_view unit) {
    return std::to_string(limit) + " " + std::string(unit) + "を超えました";
}

std::string Hex(unsigned long long value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*llX", digits, value);
    return text;
}

} // namespace

Comparison CompareBinary(std::string_view bytes1, std::string_view bytes2, Limits limits) {
    constexpr std::string_view kUnit = "ﾊﾞｲﾄ";
    Comparison result;
    result.rows.push_back(" ｱﾄﾞﾚｽ");
    const auto length1 = static_cast<std::int64_t>(bytes1.size());
    const auto length2 = static_cast<std::int64_t>(bytes2.size());
    result.lengthVerdict = LengthVerdict(length1, length2);

    std::int64_t differences = 0;
    for (std::size_t offset = 0; offset < bytes1.size() && offset < bytes2.size(); ++offset) {
        const auto byte1 = static_cast<unsigned char>(bytes1[offset]);
        const auto byte2 = static_cast<unsigned char>(bytes2[offset]);
        if (byte1 == byte2)
            continue;
        result.rows.push_back(Hex(offset, 8) + " " + Hex(byte1, 2) + " : " + Hex(byte2, 2));
        if (++differences > limits.bytes) {
            result.rows.push_back(OverLimitRow(limits.bytes, kUnit));
            break;
        }
    }
    result.differenceSummary = Summary(differences, limits.bytes, kUnit);
    result.same = differences == 0 && length1 == length2;
    return result;
}

Comparison CompareText(std::string_view bytes1, std::string_view bytes2, std::string_view path1,
                       std::string_view path2, TextOptions options, Limits limits) {
    constexpr std::string_view kUnit = "行";
    const std::vector<std::string> lines1 = SplitLines(bytes1);
    const std::vector<std::string> lines2 = SplitLines(bytes2);
    const std::string heading1 = "******** " + DisplayName(path1, '/');
    const std::string heading2 = "******** " + DisplayName(path2, '/');

    Comparison result;
    std::int64_t differences = 0;
    for (std::size_t index = 0; index < lines1.size() && index < lines2.size(); ++index) {
        if (LinesEqual(lines1[index], lines2[index], options))
            continue;
        result.rows.insert(result.rows.end(), {std::to_string(index + 1) + " 行", heading1,
                                               lines1[index], heading2, lines2[index], ""});
        if (++differences > limits.lines) {
            result.rows.push_back(OverLimitRow(limits.lines, kUnit));
            break;
        }
    }
    const auto count1 = static_cast<std::int64_t>(lines1.size());
    const auto count2 = static_cast<std::int64_t>(lines2.size());
    result.lengthVerdict = LineCountVerdict(count1, count2);
    result.differenceSummary = Summary(differences, limits.lines, kUnit);
    result.same = differences == 0 && count1 == count2;
    return result;
}

} // namespace reference
