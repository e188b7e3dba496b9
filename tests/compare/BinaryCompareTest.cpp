#include "compare/BinaryCompare.h"

#include "tests/support/ExpectedTexts.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

struct BinaryResult {
    CompareOutcome outcome;
    MemoryResultPanel panel;
};

// The comparison is the same whatever the windows: at their default size with one worker, and
// so small that two workers take turns many times, mapped or read.
struct Windows {
    const char* name;
    std::size_t size;
    bool map;
    Workers workers;
};

// gtest prints the parameter beside each test's name; raw bytes would say nothing.
void PrintTo(const Windows& windows, std::ostream* out) {
    *out << windows.name << " (" << windows.size << "-byte windows, "
         << (windows.map ? "mapped" : "read") << ", "
         << (windows.workers == Workers::Two ? "2 workers)" : "1 worker)");
}

class BinaryCompare : public testing::TestWithParam<Windows> {
protected:
    static BinaryResult CompareBytes(std::string_view bytes1, std::string_view bytes2) {
        TempDir dir;
        CompareTuning tuning;
        tuning.windowSize = GetParam().size;
        tuning.workers = GetParam().workers;
        BinaryResult result;
        result.outcome =
            RunBinaryCompare(result.panel, dir.Write("a.bin", bytes1), dir.Write("b.bin", bytes2),
                             tuning, {.map = GetParam().map})
                .outcome;
        return result;
    }
};

Rows HeadingAnd(Rows rows) {
    rows.insert(rows.begin(), std::string(expected::kAddressHeading));
    return rows;
}

// A file of the given length that holds no data blocks apart from the one byte written.
void MakeSparseFile(const std::string& path, std::int64_t length, std::int64_t offset, char byte) {
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(ftruncate(descriptor, length), 0);
    ASSERT_EQ(pwrite(descriptor, &byte, 1, offset), 1);
    close(descriptor);
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Windows, BinaryCompare,
    testing::Values(Windows{"Default", CompareTuning{}.windowSize, true, Workers::One},
                    Windows{"OneByteTwoWorkers", 1, true, Workers::Two},
                    Windows{"SevenBytesReadTwoWorkers", 7, false, Workers::Two},
                    Windows{"OnePageTwoWorkers", 4096, true, Workers::Two}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(BinaryCompare, ListsEachDifferingByteAfterTheLengthVerdict) {
    const auto result = CompareBytes({"\x0A\x00\xFF", 3}, {"\x0A\x1B\xFE\x20", 4});
    EXPECT_EQ(result.outcome, CompareOutcome::Different);
    EXPECT_EQ(result.panel.rows, HeadingAnd({"00000001 00 : 1B", "00000002 FF : FE"}));
    EXPECT_EQ(result.panel.lengthVerdict, expected::kFile2Longer);
    EXPECT_EQ(result.panel.differenceSummary, "2 ﾊﾞｲﾄの、違いがありました");
    // The verdict comes from the lengths, before any block is compared.
    EXPECT_EQ(result.panel.calls,
              Rows({"AddRow", "SetLengthVerdict", "AddRow", "SetDifferenceSummary"}));
}

TEST_P(BinaryCompare, EqualContentListsOnlyTheHeading) {
    const auto empty = CompareBytes("", "");
    EXPECT_EQ(empty.outcome, CompareOutcome::Same);
    EXPECT_EQ(empty.panel.rows, HeadingAnd({}));
    EXPECT_EQ(empty.panel.lengthVerdict, expected::kSameLength);
    EXPECT_EQ(empty.panel.differenceSummary, expected::kNoDifference);
    EXPECT_EQ(empty.panel.calls, Rows({"AddRow", "SetLengthVerdict", "SetDifferenceSummary"}));

    const std::string twoBlocks(2048, '\x5A');
    const auto full = CompareBytes(twoBlocks, twoBlocks);
    EXPECT_EQ(full.outcome, CompareOutcome::Same);
    EXPECT_EQ(full.panel.rows, HeadingAnd({}));
    EXPECT_EQ(full.panel.differenceSummary, expected::kNoDifference);

    // Appended bytes show in the verdict alone.
    const auto appended = CompareBytes("abc", "abcdef");
    EXPECT_EQ(appended.outcome, CompareOutcome::Different);
    EXPECT_EQ(appended.panel.rows, HeadingAnd({}));
    EXPECT_EQ(appended.panel.lengthVerdict, expected::kFile2Longer);
    EXPECT_EQ(appended.panel.differenceSummary, expected::kNoDifference);
}

TEST_P(BinaryCompare, PositionsPastTheShorterFileAreNeitherListedNorCounted) {
    const auto result = CompareBytes("ABCxyz", "ABD");
    EXPECT_EQ(result.panel.rows, HeadingAnd({"00000002 43 : 44"}));
    EXPECT_EQ(result.panel.lengthVerdict, expected::kFile1Longer);
    EXPECT_EQ(result.panel.differenceSummary, "1 ﾊﾞｲﾄの、違いがありました");
}

TEST_P(BinaryCompare, RowsShowFileOffsetsAndBytesInUpperCaseHex) {
    std::string bytes1(2000, '\x0A');
    std::string bytes2 = bytes1;
    bytes1[26] = '\x0A';
    bytes2[26] = '\x1B';
    bytes1[1500] = '\x0A';
    bytes2[1500] = '\xFF';
    bytes1[1999] = '\x80';
    bytes2[1999] = '\x7F';
    const auto result = CompareBytes(bytes1, bytes2);
    EXPECT_EQ(result.panel.rows,
              HeadingAnd({"0000001A 0A : 1B", "000005DC 0A : FF", "000007CF 80 : 7F"}));
    EXPECT_EQ(result.panel.lengthVerdict, expected::kSameLength);
    EXPECT_EQ(result.panel.differenceSummary, "3 ﾊﾞｲﾄの、違いがありました");
}

TEST_P(BinaryCompare, ExactlyTenThousandDifferencesAreAllListed) {
    // Equal bytes after the differences must not bring the limit row.
    const auto result =
        CompareBytes(std::string(10000, '\x00') + "tail", std::string(10000, '\xFF') + "tail");
    ASSERT_EQ(result.panel.rows.size(), 10001u);
    EXPECT_EQ(result.panel.rows[1], "00000000 00 : FF");
    EXPECT_EQ(result.panel.rows.back(), "0000270F 00 : FF");
    EXPECT_EQ(result.panel.differenceSummary, "10000 ﾊﾞｲﾄの、違いがありました");
    EXPECT_EQ(result.outcome, CompareOutcome::Different);
}

TEST_P(BinaryCompare, TheTenThousandFirstDifferenceEndsTheListing) {
    const auto result = CompareBytes(std::string(20000, '\x01'), std::string(20000, '\x02'));
    ASSERT_EQ(result.panel.rows.size(), 10003u);
    EXPECT_EQ(result.panel.rows[10001], "00002710 01 : 02");
    EXPECT_EQ(result.panel.rows[10002], "10000 ﾊﾞｲﾄを超えました");
    EXPECT_EQ(result.panel.lengthVerdict, expected::kSameLength);
    EXPECT_EQ(result.panel.differenceSummary, "10000 ﾊﾞｲﾄを超える、違いがありました");
    EXPECT_EQ(result.outcome, CompareOutcome::Different);
}

TEST(BinaryCompareOfHugeFiles, LengthsAreSixtyFourBit) {
    // Cut to 32 bits, 4 GiB + 16 bytes would be shorter than 17 bytes.
    TempDir dir;
    const auto big = dir.PathOf("big.bin");
    MakeSparseFile(big, (std::int64_t{1} << 32) + 16, 0, '\0');
    MemoryResultPanel panel;
    RunBinaryCompare(panel, big, dir.Write("small.bin", std::string(17, '\0')));
    EXPECT_EQ(panel.lengthVerdict, expected::kFile1Longer);
    EXPECT_EQ(panel.rows, HeadingAnd({}));
}

TEST(BinaryCompareOfHugeFiles, OffsetsPastFourGibibytesPrintInFull) {
    TempDir dir;
    const std::int64_t length = (std::int64_t{1} << 32) + 16;
    const std::int64_t offset = 0x100000005;
    MakeSparseFile(dir.PathOf("a.bin"), length, offset, '\x01');
    MakeSparseFile(dir.PathOf("b.bin"), length, offset, '\xAB');
    struct stat info {};
    ASSERT_EQ(stat(dir.PathOf("a.bin").c_str(), &info), 0);
    if (info.st_blocks * 512 > (1 << 20))
        GTEST_SKIP() << "this file system stores no sparse files";
    MemoryResultPanel panel;
    EXPECT_EQ(RunBinaryCompare(panel, dir.PathOf("a.bin"), dir.PathOf("b.bin")).outcome,
              CompareOutcome::Different);
    EXPECT_EQ(panel.rows, HeadingAnd({"100000005 01 : AB"}));
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLength);
    EXPECT_EQ(panel.differenceSummary, "1 ﾊﾞｲﾄの、違いがありました");
}
