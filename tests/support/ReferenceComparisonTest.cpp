#include "tests/support/ReferenceComparison.h"

#include "tests/support/ExpectedTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;
using namespace std::string_literals;

constexpr reference::TextOptions kFolded{true, false};

Rows Group(int line, const std::string& line1, const std::string& line2) {
    return {std::to_string(line) + " 行", "******** a.txt", line1, "******** b.txt", line2, ""};
}

} // namespace

TEST(ReferenceComparison, BinaryListsDifferingBytesUpToTheShorterEnd) {
    auto result = reference::CompareBinary("\x0A\x00\xFF"s, "\x0A\x1B\xFE\x20"s);
    EXPECT_EQ(result.rows, Rows({" ｱﾄﾞﾚｽ", "00000001 00 : 1B", "00000002 FF : FE"}));
    EXPECT_EQ(result.lengthVerdict, expected::kFile2Longer);
    EXPECT_EQ(result.differenceSummary, "2 ﾊﾞｲﾄの、違いがありました");
    EXPECT_FALSE(result.same);

    result = reference::CompareBinary("", "");
    EXPECT_EQ(result.rows, Rows{" ｱﾄﾞﾚｽ"});
    EXPECT_EQ(result.lengthVerdict, expected::kSameLength);
    EXPECT_EQ(result.differenceSummary, expected::kNoDifference);
    EXPECT_TRUE(result.same);

    // A difference in length alone shows only in the verdict.
    result = reference::CompareBinary("ab", "abXY");
    EXPECT_EQ(result.rows.size(), 1u);
    EXPECT_EQ(result.differenceSummary, expected::kNoDifference);
    EXPECT_EQ(result.lengthVerdict, expected::kFile2Longer);
    EXPECT_FALSE(result.same);

    std::string far1(1501, 'x');
    std::string far2 = far1;
    far1[1500] = '\x0A';
    far2[1500] = '\xFF';
    result = reference::CompareBinary(far1, far2 + "z");
    EXPECT_EQ(result.rows, Rows({" ｱﾄﾞﾚｽ", "000005DC 0A : FF"}));
}

TEST(ReferenceComparison, BinaryListingStopsAfterTheDifferenceThatPassesTheLimit) {
    const reference::Limits limits{3, 1};
    auto result = reference::CompareBinary("abc", "xyz", limits);
    EXPECT_EQ(result.rows.size(), 4u);
    EXPECT_EQ(result.differenceSummary, "3 ﾊﾞｲﾄの、違いがありました");

    result = reference::CompareBinary("abcdef", "xyzdEF", limits);
    EXPECT_EQ(result.rows, Rows({" ｱﾄﾞﾚｽ", "00000000 61 : 78", "00000001 62 : 79",
                                 "00000002 63 : 7A", "00000004 65 : 45", "3 ﾊﾞｲﾄを超えました"}));
    EXPECT_EQ(result.differenceSummary, "3 ﾊﾞｲﾄを超える、違いがありました");
    EXPECT_EQ(result.lengthVerdict, expected::kSameLength);
}

TEST(ReferenceComparison, TextFollowsEachOfItsSettings) {
    const auto file1 = "Hello\r\nx  y\r\nend\r\n"s;
    const auto file2 = "HELLO\nx y\nEND\nmore\n"s;
    auto result = reference::CompareText(file1, file2, "/d/a.txt", "/d/b.txt", kFolded);
    EXPECT_EQ(result.rows, Group(2, "x  y", "x y"));
    EXPECT_EQ(result.lengthVerdict, expected::kFile2MoreLines);
    EXPECT_EQ(result.differenceSummary, "1 行の、違いがありました");

    result = reference::CompareText(file1, file2, "/d/a.txt", "/d/b.txt", {true, true});
    EXPECT_EQ(result.rows, Rows{});
    EXPECT_EQ(result.differenceSummary, expected::kNoDifference);
    EXPECT_FALSE(result.same);

    result = reference::CompareText(file1, file2, "a.txt", "b.txt", {false, false});
    Rows all = Group(1, "Hello", "HELLO");
    for (const auto& group : {Group(2, "x  y", "x y"), Group(3, "end", "END")})
        all.insert(all.end(), group.begin(), group.end());
    EXPECT_EQ(result.rows, all);
    EXPECT_EQ(result.differenceSummary, "3 行の、違いがありました");

    result = reference::CompareText("a\nb", "A\r\nB\n", "a.txt", "b.txt", kFolded);
    EXPECT_TRUE(result.same);
    EXPECT_EQ(result.lengthVerdict, expected::kSameLineCount);
}

TEST(ReferenceComparison, TextLineCountVerdictStaysTruePastTheLimit) {
    const reference::Limits limits{10000, 2};
    auto result = reference::CompareText("a\nb\n", "x\ny\n", "a.txt", "b.txt", kFolded, limits);
    EXPECT_EQ(result.rows.size(), 12u);
    EXPECT_EQ(result.differenceSummary, "2 行の、違いがありました");

    // The listing stops at the third difference; File1's two further lines still count.
    result =
        reference::CompareText("a\nb\nc\nd\ne\n", "x\ny\nz\n", "a.txt", "b.txt", kFolded, limits);
    EXPECT_EQ(result.rows.size(), 19u);
    EXPECT_EQ(result.rows.back(), "2 行を超えました");
    EXPECT_EQ(result.differenceSummary, "2 行を超える、違いがありました");
    EXPECT_EQ(result.lengthVerdict, expected::kFile1MoreLines);
}
