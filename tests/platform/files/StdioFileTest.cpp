#include "StdioFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

// Every line up to the end; fails the test on a read error.
Lines ReadAll(CStdioFile& file) {
    Lines lines;
    std::string_view line;
    CStdioFile::ReadStatus status;
    while ((status = file.ReadString(line)) == CStdioFile::ReadStatus::Line)
        lines.emplace_back(line);
    EXPECT_EQ(status, CStdioFile::ReadStatus::End);
    EXPECT_EQ(file.ReadString(line), CStdioFile::ReadStatus::End);
    return lines;
}

Lines ReadLines(std::string_view bytes) {
    TempDir dir;
    CStdioFile file;
    EXPECT_TRUE(file.Open(dir.Write("a.txt", bytes)));
    return ReadAll(file);
}

} // namespace

TEST(StdioFile, SplitsLinesAtLineFeeds) {
    EXPECT_EQ(ReadLines(""), Lines{});
    EXPECT_EQ(ReadLines("\n"), Lines{""});
    EXPECT_EQ(ReadLines("a\nb"), Lines({"a", "b"}));
    EXPECT_EQ(ReadLines("a\r\nb\r\n"), Lines({"a", "b"}));
    EXPECT_EQ(ReadLines("a\n\n"), Lines({"a", ""}));
    EXPECT_EQ(ReadLines("a\rb\n\r\r\nc\r"), Lines({"a\rb", "\r", "c\r"}));
    EXPECT_EQ(ReadLines("a\0b\n\x1A\nz"s), Lines({"a\0b"s, "\x1A", "z"}));
}

TEST(StdioFile, LinesSpanTheInternalBuffer) {
    const std::string longLine(3 * 1024 * 1024, 'L');
    EXPECT_EQ(ReadLines(longLine + "\r\nb\n" + longLine), Lines({longLine, "b", longLine}));

    // Whatever the buffer's size, one of the shifts puts a boundary between every pair of
    // neighbouring bytes: CR and CR, CR and LF, LF and CR.
    const std::size_t count = 1024 * 1024;
    std::string pattern;
    for (std::size_t i = 0; i < count; ++i)
        pattern += "\r\r\n";
    for (std::size_t shift = 0; shift < 3; ++shift) {
        SCOPED_TRACE(shift);
        TempDir dir;
        CStdioFile file;
        ASSERT_TRUE(file.Open(dir.Write("a.txt", std::string(shift, '\n') + pattern)));
        std::size_t lines = 0;
        std::string_view line;
        while (file.ReadString(line) == CStdioFile::ReadStatus::Line) {
            ASSERT_EQ(line, lines < shift ? "" : "\r") << "line " << lines;
            ++lines;
        }
        EXPECT_EQ(lines, count + shift);
    }
}

TEST(StdioFile, CountsTheRemainingLinesWithoutReadingThem) {
    TempDir dir;
    const std::string longLine(3 * 1024 * 1024, 'L');
    CStdioFile file;
    ASSERT_TRUE(file.Open(dir.Write("a.txt", "first\r\n" + longLine + "\n\nlast")));
    std::string_view line;
    ASSERT_EQ(file.ReadString(line), CStdioFile::ReadStatus::Line);
    EXPECT_EQ(line, "first");
    EXPECT_EQ(file.CountRemainingLines(), 3);
    EXPECT_EQ(file.ReadString(line), CStdioFile::ReadStatus::End);
    EXPECT_EQ(file.CountRemainingLines(), 0);

    for (const auto& [bytes, count] : {std::pair{"", 0}, std::pair{"a", 1}, std::pair{"a\n", 1},
                                       std::pair{"a\n\n", 2}, std::pair{"\r\r\n\r", 2}}) {
        CStdioFile fresh;
        ASSERT_TRUE(fresh.Open(dir.Write("b.txt", bytes)));
        EXPECT_EQ(fresh.CountRemainingLines(), count) << '"' << bytes << '"';
    }
}

TEST(StdioFile, AReadErrorIsNoEndOfFile) {
    CStdioFile reading;
    ASSERT_TRUE(reading.Open("/proc/self/mem"));
    std::string_view line;
    EXPECT_EQ(reading.ReadString(line), CStdioFile::ReadStatus::Failed);
    CStdioFile counting;
    ASSERT_TRUE(counting.Open("/proc/self/mem"));
    EXPECT_EQ(counting.CountRemainingLines(), std::nullopt);
}
