#include "compare/BinaryCompare.h"
#include "compare/TextCompare.h"
#include "tests/support/ExpectedTexts.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

// The rules a run takes by default.
constexpr TextRules kFolded{.foldCase = true};

// A panel in memory that lets a test act at the moment of one of the comparison's calls.
class HookedPanel : public MemoryResultPanel {
public:
    std::function<void()> onLengthVerdict;
    std::function<void()> onFirstRow;

    void SetLengthVerdict(std::string_view text) override {
        MemoryResultPanel::SetLengthVerdict(text);
        if (onLengthVerdict)
            std::exchange(onLengthVerdict, nullptr)();
    }
    void AddRow(std::string_view text) override {
        MemoryResultPanel::AddRow(text);
        if (onFirstRow)
            std::exchange(onFirstRow, nullptr)();
    }
};

// Lines of ten bytes, "000000000\n" and on, with the given lines changed.
std::string NumberedLines(int count, const std::vector<int>& changed = {}) {
    std::string text;
    char line[16];
    for (int i = 0; i < count; ++i) {
        const bool change = std::find(changed.begin(), changed.end(), i) != changed.end();
        std::snprintf(line, sizeof line, change ? "changed%02d\n" : "%09d\n", i % 100);
        text += line;
    }
    return text;
}

ino_t failingFile = 0;
const off_t kFailAt = 300'000;

// Reads like pread, but the file with the inode failingFile breaks down at kFailAt.
ssize_t ReadFailingInOneFile(int descriptor, void* buffer, std::size_t count, off_t offset) {
    struct stat status {};
    if (fstat(descriptor, &status) == 0 && status.st_ino == failingFile) {
        if (offset >= kFailAt) {
            errno = EIO;
            return -1;
        }
        count = std::min(count, static_cast<std::size_t>(kFailAt - offset));
    }
    return ::pread(descriptor, buffer, count, offset);
}

ino_t InodeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0);
    return status.st_ino;
}

} // namespace

TEST(ChangingFiles, AFileCutDuringABinaryRunFailsAndTheRowsBeforeStay) {
    for (const Workers workers : {Workers::One, Workers::Two}) {
        SCOPED_TRACE(workers == Workers::One ? "one worker" : "two workers");
        TempDir dir;
        std::string bytes(1024 * 1024, 'x');
        const auto path1 = dir.Write("a.bin", bytes);
        bytes[10] = 'y';
        bytes[900'000] = 'y';
        const auto path2 = dir.Write("b.bin", bytes);
        HookedPanel panel;
        // After the sizes were taken, before the first byte is read.
        panel.onLengthVerdict = [&] { ASSERT_EQ(truncate(path1.c_str(), 100'000), 0); };
        CompareTuning tuning;
        tuning.windowSize = 64 * 1024;
        tuning.workers = workers;
        EXPECT_EQ(RunBinaryCompare(panel, path1, path2, tuning).outcome,
                  CompareOutcome::File1Failed);
        EXPECT_EQ(panel.rows, Rows({std::string(expected::kAddressHeading), "0000000A 78 : 79"}));
        EXPECT_EQ(panel.differenceSummary, "");
    }
}

TEST(ChangingFiles, AFileCutDuringATextRunFailsAndTheRowsBeforeStay) {
    TempDir dir;
    const auto path1 = dir.Write("a.txt", "x\n" + NumberedLines(20'000));
    const auto path2 = dir.Write("b.txt", "y\n" + NumberedLines(20'000));
    HookedPanel panel;
    // While the first line pair is listed, with both files' pages in hand: the rest of File1's
    // pages go away under the comparison.
    panel.onFirstRow = [&] { ASSERT_EQ(truncate(path1.c_str(), 4096), 0); };
    EXPECT_EQ(RunTextCompare(panel, path1, path2, kFolded).outcome, CompareOutcome::File1Failed);
    EXPECT_EQ(panel.rows, Rows({"1 行", "******** a.txt", "x", "******** b.txt", "y", ""}));
    EXPECT_EQ(panel.lengthVerdict, "");
}

TEST(ChangingFiles, EverythingReadBeforeAReadErrorIsListedFirst) {
    TempDir dir;
    const FileAccess failing{false, ReadFailingInOneFile};

    std::string bytes(400'000, '\0');
    const auto binary1 = dir.Write("a.bin", bytes);
    for (const std::size_t at : {10, 280'000, 299'000, 310'000})
        bytes[at] = '\x01';
    const auto binary2 = dir.Write("b.bin", bytes);
    failingFile = InodeOf(binary2);
    MemoryResultPanel panel;
    EXPECT_EQ(RunBinaryCompare(panel, binary1, binary2, {}, failing).outcome,
              CompareOutcome::File2Failed);
    EXPECT_EQ(panel.rows, Rows({std::string(expected::kAddressHeading), "0000000A 00 : 01",
                                "000445C0 00 : 01", "00048FF8 00 : 01"}));

    // Lines 28000 and 29900 start at bytes 280,000 and 299,000; line 29999 ends at the error.
    const auto text1 = dir.Write("a.txt", NumberedLines(40'000));
    const auto text2 = dir.Write("b.txt", NumberedLines(40'000, {0, 28'000, 29'900, 29'999}));
    failingFile = InodeOf(text2);
    panel = {};
    EXPECT_EQ(RunTextCompare(panel, text1, text2, kFolded, {}, failing).outcome,
              CompareOutcome::File2Failed);
    ASSERT_EQ(panel.rows.size(), 24u);
    EXPECT_EQ(panel.rows[0], "1 行");
    EXPECT_EQ(panel.rows[6], "28001 行");
    EXPECT_EQ(panel.rows[12], "29901 行");
    EXPECT_EQ(panel.rows[18], "30000 行");
}

TEST(ChangingFiles, PseudoFilesAreComparedUpToTheirRealEnd) {
    // /proc/version reports a size of 0 whatever it holds.
    TempDir dir;
    const std::string version = ReadWholeFile("/proc/version");
    ASSERT_FALSE(version.empty());
    const auto copy = dir.Write("version", version);
    const auto longer = dir.Write("longer", version + "more\n");

    MemoryResultPanel panel;
    EXPECT_EQ(RunBinaryCompare(panel, "/proc/version", copy).outcome, CompareOutcome::Same);
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLength);
    EXPECT_EQ(panel.differenceSummary, expected::kNoDifference);
    panel = {};
    EXPECT_EQ(RunBinaryCompare(panel, copy, "/proc/version").outcome, CompareOutcome::Same);
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLength);
    panel = {};
    EXPECT_EQ(RunBinaryCompare(panel, "/proc/version", longer).outcome, CompareOutcome::Different);
    EXPECT_EQ(panel.lengthVerdict, expected::kFile2Longer);
    panel = {};
    EXPECT_EQ(RunBinaryCompare(panel, longer, "/proc/version").outcome, CompareOutcome::Different);
    EXPECT_EQ(panel.lengthVerdict, expected::kFile1Longer);

    panel = {};
    EXPECT_EQ(RunTextCompare(panel, "/proc/version", copy, kFolded).outcome, CompareOutcome::Same);
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLineCount);
    panel = {};
    EXPECT_EQ(RunTextCompare(panel, "/proc/version", longer, kFolded).outcome,
              CompareOutcome::Different);
    EXPECT_EQ(panel.lengthVerdict, expected::kFile2MoreLines);
}

namespace {

// How a run reaches its files, for the tables below.
struct Access {
    const char* name;
    FileAccess access;
    Workers workers;
};

constexpr Access kAccesses[] = {
    {"mapped", {}, Workers::One},
    {"mapped, two workers", {}, Workers::Two},
    {"read", {.map = false}, Workers::One},
    {"mapping refused", {.mapError = ENODEV}, Workers::One},
};

// The moment a test cuts File1: right after the run has asked for its size for the nth time.
struct Cut {
    ino_t inode = 0;
    std::string path;
    off_t to = 0;
    int after = 0;
    std::atomic<int> queries = 0;
};
Cut cut;

std::int64_t SizeThenCut(int descriptor) {
    struct stat status {};
    if (fstat(descriptor, &status) != 0)
        return -1;
    if (status.st_ino == cut.inode && ++cut.queries == cut.after &&
        truncate(cut.path.c_str(), cut.to) != 0)
        return -1;
    return status.st_size;
}

// Runs the comparison with File1 cut to `to` after the nth query of its size, for every n up to
// the queries of a run with no cut; calls check with n, how many queries an uncut run makes,
// the outcome and the panel.
template <class Check>
void CutAtEveryMoment(const std::string& bytes1, const std::string& bytes2, off_t to,
                      const Check& check) {
    TempDir dir;
    for (const bool text : {false, true})
        for (const Access& access : kAccesses) {
            int queries = 0;
            for (int after = 1; after <= queries + 1; ++after) {
                const bool measuring = after == queries + 1;
                SCOPED_TRACE(testing::Message() << (text ? "text, " : "binary, ") << access.name
                                                << ", cut after size query " << after);
                cut.path = dir.Write("a.bin", bytes1);
                cut.inode = InodeOf(cut.path);
                cut.to = to;
                cut.after = measuring ? 0 : after;
                cut.queries = 0;
                CompareTuning tuning;
                tuning.windowSize = 16 * 1024;
                tuning.workers = access.workers;
                FileAccess cutting = access.access;
                cutting.sizeOf = SizeThenCut;
                MemoryResultPanel panel;
                const auto path2 = dir.Write("b.bin", bytes2);
                const CompareResult result =
                    text ? RunTextCompare(panel, cut.path, path2, TextRules{}, tuning, cutting)
                         : RunBinaryCompare(panel, cut.path, path2, tuning, cutting);
                if (measuring && queries == 0) {
                    // The first pass, with no cut, counts the moments to cut at.
                    queries = cut.queries;
                    ASSERT_GT(queries, 1);
                    after = 0;
                    continue;
                }
                check(after, queries, result, panel);
            }
        }
}

} // namespace

TEST(ChangingFiles, ACutAtAnyMomentGivesNoFalseRowAndNeverSame) {
    // File1 cut by its last 2000 bytes is a start of File2: zeros read in its place would match.
    std::string start(64 * 1024 + 5, 'r');
    const std::string bytes1 = start + std::string(1000, '\0') + std::string(2000, '\xAB');
    const std::string bytes2 = start + std::string(3000, '\0');
    CutAtEveryMoment(bytes1, bytes2, static_cast<off_t>(bytes1.size() - 2000),
                     [](int, int, const CompareResult& result, const MemoryResultPanel& panel) {
                         EXPECT_NE(result.outcome, CompareOutcome::Same);
                         EXPECT_NE(result.outcome, CompareOutcome::File2Failed);
                         EXPECT_TRUE(result.outcome != CompareOutcome::File1Failed ||
                                     result.failure.cause == ReadFailure::Cause::Changed);
                         for (const std::string& row : panel.rows)
                             EXPECT_EQ(row.find("00 : 00"), std::string::npos) << row;
                     });

    // Two equal files, File1 cut to 123 bytes: every row would be false, and the run fails but
    // when the cut comes after its last look at the file.
    const std::string same(3 * 16 * 1024 + 77, '\xEB');
    CutAtEveryMoment(
        same, same, 123,
        [](int after, int queries, const CompareResult& result, const MemoryResultPanel& panel) {
            EXPECT_LE(panel.rows.size(), 1u); // the binary heading at most
            if (after < queries) {
                EXPECT_EQ(result.outcome, CompareOutcome::File1Failed);
                EXPECT_EQ(Describe(result.failure), "changed during the comparison");
            }
        });
}

TEST(ChangingFiles, ACutRacingTheComparisonNeverGivesSame) {
    // File1 cut by 2000 bytes at a random moment of the run becomes a start of File2, and the
    // zeros that its lost bytes read as under a mapping would match File2's.
    TempDir dir;
    std::mt19937 random(20261207);
    std::string start(8 * 1024 * 1024, '\0');
    for (char& byte : start)
        byte = static_cast<char>(random());
    const std::string bytes1 = start + std::string(1000, '\0') + std::string(2000, '\xAB');
    const auto path2 = dir.Write("b.bin", start + std::string(3000, '\0'));
    for (int round = 0; round < 200; ++round) {
        const bool text = round % 2 == 1;
        const Workers workers = round % 4 < 2 ? Workers::One : Workers::Two;
        const auto path1 = dir.Write("a.bin", bytes1);
        const auto delay = std::chrono::microseconds(random() % 6000);
        std::thread cutter([&] {
            std::this_thread::sleep_for(delay);
            EXPECT_EQ(truncate(path1.c_str(), static_cast<off_t>(bytes1.size() - 2000)), 0);
        });
        CompareTuning tuning;
        tuning.workers = workers;
        MemoryResultPanel panel;
        const CompareResult result = text ? RunTextCompare(panel, path1, path2, TextRules{}, tuning)
                                          : RunBinaryCompare(panel, path1, path2, tuning);
        cutter.join();
        EXPECT_NE(result.outcome, CompareOutcome::Same) << "round " << round;
    }
}
