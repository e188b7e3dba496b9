#include "compare/TextCompare.h"

#include "tests/support/ExpectedTexts.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Rows = std::vector<std::string>;
using namespace std::string_literals;

// The comparison is the same whatever the windows: at their default size, so small that every
// line and every CR LF pair straddles an edge, and read instead of mapped.
struct Windows {
    const char* name;
    std::size_t size;
    bool map;
};

// gtest prints the parameter beside each test's name; raw bytes would say nothing.
void PrintTo(const Windows& windows, std::ostream* out) {
    *out << windows.name << " (" << windows.size << "-byte windows, "
         << (windows.map ? "mapped" : "read") << ")";
}

class TextCompare : public testing::TestWithParam<Windows> {
protected:
    // Compares File1 a.txt with File2 b.txt holding these bytes, under the current rules.
    CompareOutcome Compare(std::string_view bytes1, std::string_view bytes2) {
        panel = {};
        CompareTuning tuning;
        tuning.windowSize = GetParam().size;
        return RunTextCompare(panel, dir.Write("a.txt", bytes1), dir.Write("b.txt", bytes2), rules,
                              tuning, {.map = GetParam().map})
            .outcome;
    }

    // True when the two single lines count as equal under the current rules.
    bool LinesEqual(std::string_view line1, std::string_view line2) {
        Compare(line1, line2);
        return panel.rows.empty();
    }

    static Rows Group(int line, std::string_view line1, std::string_view line2) {
        return {std::to_string(line) + " 行", "******** a.txt",
                std::string(line1),           "******** b.txt",
                std::string(line2),           ""};
    }

    TextRules rules{.foldCase = true};
    TempDir dir;
    MemoryResultPanel panel;
};

std::string ManyLines(int count, const std::string& prefix) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += prefix + std::to_string(i) + "\n";
    return text;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Windows, TextCompare,
                         testing::Values(Windows{"Default", CompareTuning{}.windowSize, true},
                                         Windows{"OneByte", 1, true},
                                         Windows{"SevenBytes", 7, false},
                                         Windows{"OnePage", 4096, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(TextCompare, EachSettingForgivesItsOwnKindOfDifference) {
    const auto file1 = "Hello\r\nx  y\r\nend\r\n"s;
    const auto file2 = "HELLO\nx y\nEND\nmore\n"s;

    EXPECT_EQ(Compare(file1, file2), CompareOutcome::Different);
    EXPECT_EQ(panel.rows, Group(2, "x  y", "x y"));
    EXPECT_EQ(panel.lengthVerdict, expected::kFile2MoreLines);
    EXPECT_EQ(panel.differenceSummary, "1 行の、違いがありました");
    EXPECT_EQ(panel.calls, Rows({"AddRow", "SetLengthVerdict", "SetDifferenceSummary"}));

    rules.compressBlanks = true;
    EXPECT_EQ(Compare(file1, file2), CompareOutcome::Different);
    EXPECT_EQ(panel.rows, Rows{});
    EXPECT_EQ(panel.lengthVerdict, expected::kFile2MoreLines);
    EXPECT_EQ(panel.differenceSummary, expected::kNoDifference);
    EXPECT_EQ(panel.calls, Rows({"SetLengthVerdict", "SetDifferenceSummary"}));

    rules = {};
    Compare(file1, file2);
    Rows all = Group(1, "Hello", "HELLO");
    for (const auto& group : {Group(2, "x  y", "x y"), Group(3, "end", "END")})
        all.insert(all.end(), group.begin(), group.end());
    EXPECT_EQ(panel.rows, all);
    EXPECT_EQ(panel.differenceSummary, "3 行の、違いがありました");
}

TEST_P(TextCompare, LinesEndAtLineFeedsAndPairUpByNumberWithoutRealigning) {
    EXPECT_EQ(Compare("", ""), CompareOutcome::Same);
    EXPECT_EQ(panel.rows, Rows{});
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLineCount);
    EXPECT_EQ(panel.differenceSummary, expected::kNoDifference);

    EXPECT_EQ(Compare("", "a\n"), CompareOutcome::Different);
    EXPECT_EQ(panel.rows, Rows{});
    EXPECT_EQ(panel.lengthVerdict, expected::kFile2MoreLines);

    EXPECT_EQ(Compare("a\r\nb\r\n", "a\nb\n"), CompareOutcome::Same);
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLineCount);

    // A last line without its line end is a line all the same.
    EXPECT_EQ(Compare("a\nb", "a\nb\n"), CompareOutcome::Same);
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLineCount);

    // An empty last line is one line more, and is compared where the other file has a line.
    EXPECT_EQ(Compare("a\n\n", "a\n"), CompareOutcome::Different);
    EXPECT_EQ(panel.rows, Rows{});
    EXPECT_EQ(panel.lengthVerdict, expected::kFile1MoreLines);
    Compare("a\n\n", "a\nb\n");
    EXPECT_EQ(panel.rows, Group(2, "", "b"));

    Compare("first\nsame\n", "inserted\nfirst\nsame\n");
    EXPECT_EQ(panel.rows.size(), 12u);
    EXPECT_EQ(panel.lengthVerdict, expected::kFile2MoreLines);

    // Line numbers count the equal pairs too.
    Compare(ManyLines(9, "x") + "ten\n", ManyLines(9, "x") + "TEN!\n");
    EXPECT_EQ(panel.rows, Group(10, "ten", "TEN!"));
}

TEST_P(TextCompare, OnlyTheCarriageReturnBeforeALineFeedIsDropped) {
    Compare("a\rb\n", "ab\n");
    EXPECT_EQ(panel.rows, Group(1, "a\rb", "ab"));
    Compare("a\r\r\n", "a\n");
    EXPECT_EQ(panel.rows, Group(1, "a\r", "a"));
    Compare("a\r", "a");
    EXPECT_EQ(panel.rows, Group(1, "a\r", "a"));
}

TEST_P(TextCompare, EveryByteOfALineIsComparedAndShown) {
    Compare("a\0b\n"s, "a\0c\n"s);
    EXPECT_EQ(panel.rows, Group(1, "a\0b"s, "a\0c"s));
    Compare("a\0b\n"s, "a\n");
    EXPECT_EQ(panel.rows, Group(1, "a\0b"s, "a"));
    EXPECT_EQ(Compare("a\0b\n"s, "A\0B\n"s), CompareOutcome::Same);

    // 0x1A is no end of file.
    Compare("a\x1A\nb\nc\n", "a\x1A\nb\nd\n");
    EXPECT_EQ(panel.rows, Group(3, "c", "d"));
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLineCount);

    const std::string longLine(100000, 'q');
    EXPECT_EQ(Compare(longLine + "\n", longLine + "\n"), CompareOutcome::Same);
    Compare(longLine + "1\n", longLine + "2\n");
    EXPECT_EQ(panel.rows, Group(1, longLine + "1", longLine + "2"));
}

TEST_P(TextCompare, HeadingsHoldLongDisplayNamesWhole) {
    const std::string name1(250, 'n');
    const std::string name2 = std::string(249, 'm') + "\xE3\x81\x82";
    MemoryResultPanel longNames;
    RunTextCompare(longNames, dir.Write(name1, "x\n"), dir.Write(name2, "y\n"), rules);
    EXPECT_EQ(longNames.rows,
              Rows({"1 行", "******** " + name1, "x", "******** " + name2, "y", ""}));
}

TEST_P(TextCompare, ExactlyFourThousandDifferingPairsAreAllListed) {
    Compare(ManyLines(4000, "a") + "same\n", ManyLines(4000, "b") + "same\n");
    ASSERT_EQ(panel.rows.size(), 24000u);
    EXPECT_EQ(Rows(panel.rows.end() - 6, panel.rows.end()), Group(4000, "a3999", "b3999"));
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLineCount);
    EXPECT_EQ(panel.differenceSummary, "4000 行の、違いがありました");
}

TEST_P(TextCompare, TheFourThousandFirstDifferingPairEndsTheListingButNotTheCount) {
    for (const auto& [lines1, lines2, verdict] :
         {std::tuple{4010, 4005, expected::kFile1MoreLines},
          std::tuple{4005, 4010, expected::kFile2MoreLines},
          std::tuple{4001, 4001, expected::kSameLineCount}}) {
        SCOPED_TRACE(std::to_string(lines1) + " against " + std::to_string(lines2));
        Compare(ManyLines(lines1, "a"), ManyLines(lines2, "b"));
        ASSERT_EQ(panel.rows.size(), 24007u);
        EXPECT_EQ(Rows(panel.rows.end() - 7, panel.rows.end() - 1), Group(4001, "a4000", "b4000"));
        EXPECT_EQ(panel.rows.back(), "4000 行を超えました");
        EXPECT_EQ(panel.lengthVerdict, verdict);
        EXPECT_EQ(panel.differenceSummary, "4000 行を超える、違いがありました");
    }
}

TEST_P(TextCompare, CaseFoldingNeverTouchesTheSecondByteOfADoubleByteCharacter) {
    const auto katakanaDi = "\x83\x61"s; // ヂ in Shift-JIS
    const auto katakanaA = "\x83\x41"s;  // ア in Shift-JIS
    EXPECT_TRUE(LinesEqual("Abc", "aBC"));
    EXPECT_EQ(panel.rows, Rows{});
    EXPECT_FALSE(LinesEqual(katakanaDi, katakanaA));
    EXPECT_EQ(panel.rows, Group(1, katakanaDi, katakanaA));
    EXPECT_TRUE(LinesEqual(katakanaDi + "abc", katakanaDi + "ABC"));
    // In valid UTF-8 every a-z is a letter of its own, also after a Shift-JIS lead byte value.
    EXPECT_TRUE(LinesEqual("\xE3\x81\x82z", "\xE3\x81\x82Z"));

    rules.foldCase = false;
    EXPECT_FALSE(LinesEqual("Abc", "aBC"));
    EXPECT_EQ(panel.rows, Group(1, "Abc", "aBC"));
    EXPECT_FALSE(LinesEqual(katakanaDi, katakanaA));
}

TEST_P(TextCompare, BlankCompressionKeepsOneBlankForEachRun) {
    EXPECT_FALSE(LinesEqual("a\t   b", "a b"));
    EXPECT_FALSE(LinesEqual("a  ", "a "));
    rules.compressBlanks = true;
    EXPECT_TRUE(LinesEqual("a\t   b", "a b"));
    EXPECT_TRUE(LinesEqual("\t\ta  ", " a "));
    EXPECT_FALSE(LinesEqual(" a", "a"));
    EXPECT_FALSE(LinesEqual("a  ", "a"));
    // Rows show the lines as read.
    EXPECT_FALSE(LinesEqual("x\t y", "X Z"));
    EXPECT_EQ(panel.rows, Group(1, "x\t y", "X Z"));
}
