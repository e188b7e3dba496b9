#include "compare/BinaryCompare.h"
#include "compare/TextCompare.h"
#include "tests/support/ExpectedTexts.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

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
    for (const unsigned workers : {1u, 2u}) {
        SCOPED_TRACE(workers);
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
        EXPECT_EQ(RunBinaryCompare(panel, path1, path2, tuning), CompareOutcome::File1Failed);
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
    EXPECT_EQ(RunTextCompare(panel, path1, path2, {}), CompareOutcome::File1Failed);
    EXPECT_EQ(panel.rows, Rows({"1 行", "******** a.txt", "x", "******** b.txt", "y", ""}));
    EXPECT_EQ(panel.lengthVerdict, "");
}

TEST(ChangingFiles, EverythingReadBeforeAReadErrorIsListedFirst) {
    TempDir dir;
    CompareTuning tuning;
    tuning.access = {false, ReadFailingInOneFile};

    std::string bytes(400'000, '\0');
    const auto binary1 = dir.Write("a.bin", bytes);
    for (const std::size_t at : {10, 280'000, 299'000, 310'000})
        bytes[at] = '\x01';
    const auto binary2 = dir.Write("b.bin", bytes);
    failingFile = InodeOf(binary2);
    MemoryResultPanel panel;
    EXPECT_EQ(RunBinaryCompare(panel, binary1, binary2, tuning), CompareOutcome::File2Failed);
    EXPECT_EQ(panel.rows, Rows({std::string(expected::kAddressHeading), "0000000A 00 : 01",
                                "000445C0 00 : 01", "00048FF8 00 : 01"}));

    // Lines 28000 and 29900 start at bytes 280,000 and 299,000; line 29999 ends at the error.
    const auto text1 = dir.Write("a.txt", NumberedLines(40'000));
    const auto text2 = dir.Write("b.txt", NumberedLines(40'000, {0, 28'000, 29'900, 29'999}));
    failingFile = InodeOf(text2);
    panel = {};
    EXPECT_EQ(RunTextCompare(panel, text1, text2, {}, tuning), CompareOutcome::File2Failed);
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
    EXPECT_EQ(RunBinaryCompare(panel, "/proc/version", copy), CompareOutcome::Same);
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLength);
    EXPECT_EQ(panel.differenceSummary, expected::kNoDifference);
    panel = {};
    EXPECT_EQ(RunBinaryCompare(panel, copy, "/proc/version"), CompareOutcome::Same);
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLength);
    panel = {};
    EXPECT_EQ(RunBinaryCompare(panel, "/proc/version", longer), CompareOutcome::Different);
    EXPECT_EQ(panel.lengthVerdict, expected::kFile2Longer);
    panel = {};
    EXPECT_EQ(RunBinaryCompare(panel, longer, "/proc/version"), CompareOutcome::Different);
    EXPECT_EQ(panel.lengthVerdict, expected::kFile1Longer);

    panel = {};
    EXPECT_EQ(RunTextCompare(panel, "/proc/version", copy, {}), CompareOutcome::Same);
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLineCount);
    panel = {};
    EXPECT_EQ(RunTextCompare(panel, "/proc/version", longer, {}), CompareOutcome::Different);
    EXPECT_EQ(panel.lengthVerdict, expected::kFile2MoreLines);
}

TEST(ChangingFiles, ACutRacingTheComparisonNeverGivesAWrongAnswer) {
    // The files differ in their first line and their last byte, and File1 is cut while the
    // comparison runs: each run either fails File1 or, had it been done first, tells the truth.
    TempDir dir;
    std::string bytes = "first\n" + std::string(32 * 1024 * 1024, '\n');
    const auto path2 = dir.Write("b.bin", bytes);
    bytes.front() = 'F';
    bytes.back() = 'x';
    for (const auto& [mode, workers] :
         {std::pair{CompareMode::Binary, 1u}, std::pair{CompareMode::Binary, 2u},
          std::pair{CompareMode::Text, 1u}}) {
        const bool text = mode == CompareMode::Text;
        SCOPED_TRACE(testing::Message()
                     << (text ? "text" : "binary") << " with " << workers << " workers");
        const auto path1 = dir.Write("a.bin", bytes);
        std::thread cutter;
        HookedPanel panel;
        const auto cut = [&] {
            cutter = std::thread([&] { ASSERT_EQ(truncate(path1.c_str(), 1'000'000), 0); });
        };
        CompareTuning tuning;
        tuning.workers = workers;
        CompareOutcome outcome;
        if (text) {
            panel.onFirstRow = cut;
            outcome = RunTextCompare(panel, path1, path2, {CompareMode::Text, 1, 0}, tuning);
        } else {
            panel.onLengthVerdict = cut;
            outcome = RunBinaryCompare(panel, path1, path2, tuning);
        }
        cutter.join();
        if (outcome == CompareOutcome::File1Failed)
            continue;
        EXPECT_EQ(outcome, CompareOutcome::Different);
        EXPECT_EQ(panel.lengthVerdict, text ? expected::kSameLineCount : expected::kSameLength);
        EXPECT_EQ(panel.rows.size(), text ? 12u : 3u);
    }
}
