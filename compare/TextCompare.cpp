#include "TextCompare.h"

#include "CompareSettings.h"
#include "DifferenceTexts.h"
#include "DisplayName.h"
#include "LineMatcher.h"
#include "ResultPanel.h"
#include "StdioFile.h"

#include <cstdint>
#include <string>

namespace {
constexpr DifferenceUnit kLines{"行", 4000};

std::string_view LineCountVerdict(std::int64_t lines1, std::int64_t lines2) {
    if (lines1 > lines2)
        return "File1 が File2 より行数が多い";
    if (lines1 == lines2)
        return "File1 と File2 の行数は同じ";
    return "File2 が File1 より行数が多い";
}

} // namespace

CompareOutcome RunTextCompare(ResultPanel& panel, std::string path1, std::string path2) {
    CStdioFile file1;
    CStdioFile file2;
    if (!file1.Open(path1))
        return CompareOutcome::File1Failed;
    if (!file2.Open(path2))
        return CompareOutcome::File2Failed;

    const std::string heading1 = "******** " + DisplayName(path1);
    const std::string heading2 = "******** " + DisplayName(path2);
    const LineMatcher matcher({.foldCase = compareSettings.matchCase == 0,
                               .compressBlanks = compareSettings.compressBlanks == 1});

    std::int64_t lines1 = 0;
    std::int64_t lines2 = 0;
    std::int64_t differences = 0;
    for (std::int64_t lineNumber = 1;; ++lineNumber) {
        std::string_view line1;
        std::string_view line2;
        const auto status1 = file1.ReadString(line1);
        if (status1 == CStdioFile::ReadStatus::Failed)
            return CompareOutcome::File1Failed;
        const auto status2 = file2.ReadString(line2);
        if (status2 == CStdioFile::ReadStatus::Failed)
            return CompareOutcome::File2Failed;
        lines1 += status1 == CStdioFile::ReadStatus::Line;
        lines2 += status2 == CStdioFile::ReadStatus::Line;
        if (status1 != CStdioFile::ReadStatus::Line || status2 != CStdioFile::ReadStatus::Line)
            break;
        if (matcher.Equal(line1, line2))
            continue;

        panel.AddRow(std::to_string(lineNumber) + " 行");
        panel.AddRow(heading1);
        panel.AddRow(line1);
        panel.AddRow(heading2);
        panel.AddRow(line2);
        panel.AddRow("");
        if (++differences > kLines.limit) {
            panel.AddRow(OverLimitRow(kLines));
            // The rest is counted, not compared, so that the line-count verdict stays true.
            const auto rest1 = file1.CountRemainingLines();
            if (!rest1)
                return CompareOutcome::File1Failed;
            const auto rest2 = file2.CountRemainingLines();
            if (!rest2)
                return CompareOutcome::File2Failed;
            lines1 += *rest1;
            lines2 += *rest2;
            break;
        }
    }
    file1.Close();
    file2.Close();

    panel.SetLengthVerdict(LineCountVerdict(lines1, lines2));
    panel.SetDifferenceSummary(DifferenceSummary(differences, kLines));
    return differences == 0 && lines1 == lines2 ? CompareOutcome::Same : CompareOutcome::Different;
}
