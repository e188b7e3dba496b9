#include "compare/ComparisonRun.h"

#include "compare/CompareRequest.h"
#include "compare/CompareSettings.h"
#include "compare/DisplayName.h"
#include "compare/RunProgress.h"
#include "tests/support/ExpectedTexts.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <new>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Rows = std::vector<std::string>;
using Message = RecordingHost::Message;

CompareRequest Request(const std::string& path1, const std::string& path2) {
    return {true, DisplayName(path1), path1, true, DisplayName(path2), path2};
}

Message ReadError(std::string_view name) {
    return {std::string(name), std::string(expected::kReadErrorCaption), MessageIcon::Exclamation};
}

class ComparisonRun : public testing::Test {
protected:
    // Runs against a panel that still shows an earlier run.
    RunOutcome Run(const CompareRequest& request) {
        panel = {};
        panel.rows = {"earlier row"};
        panel.name1 = "old1";
        panel.name2 = "old2";
        panel.lengthVerdict = "old verdict";
        panel.differenceSummary = "old summary";
        host.messages.clear();
        host.events.clear();
        return RunComparison(request, settings, panel, host).outcome;
    }

    // Expects the run to stop at a check with this one message and nothing else changed.
    void ExpectCheckFails(const CompareRequest& request, const Message& message) {
        EXPECT_EQ(Run(request), RunOutcome::CheckFailed);
        EXPECT_EQ(host.messages, std::vector<Message>{message});
        EXPECT_EQ(host.events, Rows{"ShowMessage"});
        EXPECT_EQ(panel.rows, Rows{"earlier row"});
        EXPECT_EQ(panel.name1, "old1");
        EXPECT_EQ(panel.name2, "old2");
        EXPECT_EQ(panel.lengthVerdict, "old verdict");
        EXPECT_EQ(panel.differenceSummary, "old summary");
        EXPECT_EQ(panel.calls, Rows{});
    }

    // Runs with small windows, asking `progress` whether to go on.
    RunOutcome RunWatched(const CompareRequest& request, RunProgress* progress,
                          std::int64_t lineLimit) {
        panel = {};
        host.events.clear();
        CompareTuning tuning;
        tuning.windowSize = 64;
        tuning.lineLimit = lineLimit;
        tuning.progress = progress;
        return RunComparison(request, settings, panel, host, tuning).outcome;
    }

    CompareSettings settings;
    TempDir dir;
    MemoryResultPanel panel;
    RecordingHost host;
};

// Asks to stop at its given question.
class StopAt : public RunProgress {
public:
    explicit StopAt(int question) : left_(question) {}
    bool GoOn(std::int64_t, std::int64_t) override { return --left_ > 0; }

private:
    int left_;
};

} // namespace

TEST_F(ComparisonRun, AStoppedRunKeepsTheRowsFoundSoFarAndSaysOnlyThatItStopped) {
    // Every line differs in case and one is far longer than a window.
    std::string text1;
    std::string text2;
    for (int line = 0; line < 40; ++line) {
        const std::string tail = line == 20 ? std::string(1000, 'x') : std::to_string(line);
        text1 += "line " + tail + "\n";
        text2 += "LINE " + tail + "\n";
    }
    const auto request = Request(dir.Write("a.txt", text1), dir.Write("b.txt", text2));
    settings.matchCase = 1;
    struct Case {
        CompareMode mode;
        int question;
        std::int64_t lineLimit;
        std::string summary;
    };
    for (const Case& test : {Case{CompareMode::Binary, 3, 4000, " ﾊﾞｲﾄの違い)"},
                             Case{CompareMode::Text, 10, 4000, " 行の違い)"},
                             Case{CompareMode::Text, 22, 4000, " 行の違い)"},
                             Case{CompareMode::Text, 12, 5, "5 行を超える違い)"}}) {
        settings.mode = test.mode;
        ASSERT_EQ(RunWatched(request, nullptr, test.lineLimit), RunOutcome::Different);
        const MemoryResultPanel whole = panel;
        StopAt progress(test.question);
        EXPECT_EQ(RunWatched(request, &progress, test.lineLimit), RunOutcome::Stopped);
        ASSERT_LE(panel.rows.size(), whole.rows.size());
        EXPECT_TRUE(std::equal(panel.rows.begin(), panel.rows.end(), whole.rows.begin()));
        const bool binary = test.mode == CompareMode::Binary;
        const std::size_t listed = binary ? panel.rows.size() - 1 : panel.rows.size() / 6;
        EXPECT_GT(listed, 0u);
        const std::string count = test.lineLimit < 40 ? "" : std::to_string(listed);
        EXPECT_EQ(panel.differenceSummary, "中止しました (" + count + test.summary)
            << test.question;
        EXPECT_EQ(panel.lengthVerdict, binary ? whole.lengthVerdict : "") << test.question;
        EXPECT_EQ(host.events, Rows({"BeginWait", "EndWait"}));
    }
}

TEST_F(ComparisonRun, ChecksRunInOrderAndShowTheFirstFailure) {
    const auto missing1 = dir.PathOf("a.txt");
    const auto missing2 = dir.PathOf("b.txt");
    const auto present = dir.Write("c.txt", "c");
    const Message chooseFile1{std::string(expected::kChooseFile1),
                              std::string(expected::kErrorCaption), MessageIcon::Information};
    const Message chooseFile2{std::string(expected::kChooseFile2),
                              std::string(expected::kErrorCaption), MessageIcon::Information};
    const Message sameFile{std::string(expected::kSameFile),
                           std::string(expected::kFileErrorCaption), MessageIcon::Information};

    ExpectCheckFails({}, chooseFile1);
    ExpectCheckFails({false, "", "", true, "c.txt", present}, chooseFile1);
    ExpectCheckFails({true, "c.txt", present, false, "", ""}, chooseFile2);
    ExpectCheckFails(Request(missing1, missing1), sameFile);
    ExpectCheckFails(Request(present, present), sameFile);
    ExpectCheckFails(Request(missing1, missing2), ReadError("a.txt"));
    ExpectCheckFails(Request(present, missing2), ReadError("b.txt"));
}

TEST_F(ComparisonRun, OnlyReadableRegularFilesPassTheReadChecks) {
    const auto present = dir.Write("c.txt", "c");
    std::filesystem::create_directory(dir.PathOf("folder"));
    ASSERT_EQ(mkfifo(dir.PathOf("fifo").c_str(), 0600), 0);

    ExpectCheckFails(Request(dir.PathOf("folder"), present), ReadError("folder"));
    ExpectCheckFails(Request(present, dir.PathOf("folder") + "/"), ReadError(""));
    ExpectCheckFails(Request(dir.PathOf("fifo"), present), ReadError("fifo"));
    ExpectCheckFails(Request(present, "/dev/null"), ReadError("null"));
}

TEST_F(ComparisonRun, BinaryRunClearsShowsNamesAndComparesWithTheBusyPointerUp) {
    const auto path1 = dir.Write("a.bin", {"\x0A\x00\xFF", 3});
    const auto path2 = dir.Write("b.bin", {"\x0A\x1B\xFE\x20", 4});
    for (const auto mode : {CompareMode::Binary, static_cast<CompareMode>(7)}) {
        settings.mode = mode;
        settings.matchCase = 0;
        EXPECT_EQ(Run(Request(path1, path2)), RunOutcome::Different);
        EXPECT_EQ(panel.calls, Rows({"ClearRows", "SetFileNames", "AddRow", "SetLengthVerdict",
                                     "AddRow", "SetDifferenceSummary"}));
        EXPECT_EQ(panel.rows, Rows({std::string(expected::kAddressHeading), "00000001 00 : 1B",
                                    "00000002 FF : FE"}));
        EXPECT_EQ(panel.name1, "a.bin");
        EXPECT_EQ(panel.name2, "b.bin");
        EXPECT_EQ(panel.differenceSummary, "2 ﾊﾞｲﾄの、違いがありました");
        EXPECT_EQ(host.events, Rows({"BeginWait", "EndWait"}));
    }
}

TEST_F(ComparisonRun, TextRunFollowsTheSettings) {
    const auto path1 = dir.Write("a.txt", "x Abc.\nsame\n");
    const auto path2 = dir.Write("b.txt", "x aBC.\nsame\n");
    settings.mode = CompareMode::Text;
    EXPECT_EQ(Run(Request(path1, path2)), RunOutcome::Same);
    EXPECT_EQ(panel.rows, Rows{});
    EXPECT_EQ(panel.lengthVerdict, expected::kSameLineCount);
    EXPECT_EQ(panel.differenceSummary, expected::kNoDifference);
    EXPECT_EQ(host.events, Rows({"BeginWait", "EndWait"}));

    settings.matchCase = 1;
    EXPECT_EQ(Run(Request(path1, path2)), RunOutcome::Different);
    EXPECT_EQ(panel.rows,
              Rows({"1 行", "******** a.txt", "x Abc.", "******** b.txt", "x aBC.", ""}));
    using Mark = MemoryResultPanel::Mark;
    EXPECT_EQ(panel.marks, (std::vector<Mark>{{2, 2, 5}, {4, 2, 5}}));
    settings.compressBlanks = 1;
    const auto path3 = dir.Write("c.txt", "x  Abc.\nsame\n");
    EXPECT_EQ(Run(Request(path3, path2)), RunOutcome::Different);
    EXPECT_EQ(panel.marks, (std::vector<Mark>{{2, 3, 6}, {4, 2, 5}}));
    EXPECT_EQ(panel.differenceSummary, "1 行の、違いがありました");
    // Any value but 0 turns an option on, as 1 does.
    settings = {CompareMode::Text, 2, 2};
    EXPECT_EQ(Run(Request(path3, path2)), RunOutcome::Different);
    EXPECT_EQ(panel.marks, (std::vector<Mark>{{2, 3, 6}, {4, 2, 5}}));
}

TEST_F(ComparisonRun, TwoPathsNamingOneFilePassAndCompareEqual) {
    const auto path = dir.Write("a.txt", "same\n");
    std::filesystem::create_symlink(path, dir.PathOf("link.txt"));
    for (const auto mode : {CompareMode::Binary, CompareMode::Text}) {
        settings.mode = mode;
        EXPECT_EQ(Run(Request(path, dir.Path() + "/./a.txt")), RunOutcome::Same);
        EXPECT_EQ(Run(Request(dir.PathOf("link.txt"), path)), RunOutcome::Same);
        EXPECT_EQ(host.messages, std::vector<Message>{});
        EXPECT_EQ(panel.name1, "link.txt");
        EXPECT_EQ(panel.differenceSummary, expected::kNoDifference);
    }
}

TEST_F(ComparisonRun, TheFilesCheckedAreTheFilesCompared) {
    for (const auto mode : {CompareMode::Binary, CompareMode::Text}) {
        settings.mode = mode;
        for (const char* replaced : {"a.txt", "b.txt"}) {
            SCOPED_TRACE(replaced);
            const auto path1 = dir.Write("a.txt", "one\n");
            const auto path2 = dir.Write("b.txt", "two\n");
            // Removed and put back with the other's bytes: a second open would find them equal.
            host.onBeginWait = [&] {
                std::filesystem::remove(dir.PathOf(replaced));
                dir.Write(replaced, "same\n");
            };
            EXPECT_EQ(Run(Request(path1, path2)), RunOutcome::Different);
            EXPECT_EQ(host.messages, std::vector<Message>{});
            EXPECT_EQ(panel.rows.size(), mode == CompareMode::Binary ? 4u : 6u);
        }
    }
}

TEST_F(ComparisonRun, AFileThatOpensButCannotBeReadIsAReadError) {
    // The process's own memory file is regular and opens, but offset 0 is never mapped.
    struct stat info {};
    ASSERT_EQ(stat("/proc/self/mem", &info), 0);
    ASSERT_TRUE(S_ISREG(info.st_mode));
    const auto readable = dir.Write("a.bin", "some bytes");
    for (const auto mode : {CompareMode::Binary, CompareMode::Text}) {
        settings.mode = mode;
        for (const bool memFirst : {true, false}) {
            SCOPED_TRACE(memFirst ? "File1 unreadable" : "File2 unreadable");
            const auto request = memFirst ? Request("/proc/self/mem", readable)
                                          : Request(readable, "/proc/self/mem");
            EXPECT_EQ(Run(request), RunOutcome::ReadFailed);
            EXPECT_EQ(host.messages, std::vector<Message>{ReadError("mem")});
            EXPECT_EQ(host.events, Rows({"BeginWait", "EndWait", "ShowMessage"}));
            EXPECT_EQ(panel.differenceSummary, "old summary");
            EXPECT_EQ(panel.calls.back(),
                      mode == CompareMode::Binary ? "SetLengthVerdict" : "SetFileNames");
        }
    }
}

TEST_F(ComparisonRun, RunningOutOfMemoryIsAReadErrorOfTheFileWhoseLineCouldNotBeHeld) {
    // A panel that cannot take one more row of a line, as a window would when memory runs out.
    class FullPanel : public MemoryResultPanel {
    public:
        void AddRow(std::string_view text) override {
            if (text == "too long")
                throw std::bad_alloc();
            MemoryResultPanel::AddRow(text);
        }
    } full;
    settings.mode = CompareMode::Text;
    for (const auto& [content1, content2, failing] :
         {std::tuple{"x\ntoo long\n", "x\ny\n", "a.txt"},
          std::tuple{"x\ny\n", "x\ntoo long\n", "b.txt"}}) {
        full = {};
        host.events.clear();
        host.messages.clear();
        const auto request = Request(dir.Write("a.txt", content1), dir.Write("b.txt", content2));
        EXPECT_EQ(RunComparison(request, settings, full, host).outcome, RunOutcome::ReadFailed);
        EXPECT_EQ(host.messages, std::vector<Message>{ReadError(failing)});
        // The busy pointer is back before the message shows, and the rows listed stay.
        EXPECT_EQ(host.events, Rows({"BeginWait", "EndWait", "ShowMessage"}));
        EXPECT_EQ(full.rows.front(), "2 行");
    }
}
