#include "platform/files/FileWindow.h"

#include "platform/files/File.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

using Status = FileWindow::Status;

std::string Pattern(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
}

std::string Held(FileWindow& window, std::int64_t from, std::int64_t to) {
    std::string bytes(static_cast<std::size_t>(to - from), '\0');
    EXPECT_EQ(window.Read({from, to},
                          [&](std::string_view held) { held.copy(bytes.data(), held.size()); }),
              Status::Ok);
    return bytes;
}

// Walks a window through the whole file in steps, keeping nothing behind, and returns the bytes.
std::string ReadThrough(FileWindow& window, std::int64_t step) {
    std::string bytes;
    for (;;) {
        const Status status = window.Extend(window.End() + step);
        EXPECT_NE(status, Status::Failed);
        if (status != Status::Ok)
            return bytes;
        bytes += Held(window, window.Begin(), window.End());
        window.Release(window.End());
    }
}

const std::int64_t kFailAt = 300'000;

// Reads like pread, but the device breaks down at kFailAt.
ssize_t ReadFailingAtTheMark(int descriptor, void* buffer, std::size_t count, off_t offset) {
    if (offset >= kFailAt) {
        errno = EIO;
        return -1;
    }
    const auto allowed = static_cast<std::size_t>(kFailAt - offset);
    return ::pread(descriptor, buffer, std::min(count, allowed), offset);
}

} // namespace

TEST(FileWindow, ReadsEveryByteOnceMappedOrNot) {
    TempDir dir;
    const auto content = Pattern(3 * 1024 * 1024 + 5);
    const auto path = dir.Write("a.bin", content);
    for (const bool map : {true, false}) {
        SCOPED_TRACE(map ? "mapped" : "read");
        CFile file;
        ASSERT_TRUE(file.Open(path, FileKinds::RegularFiles, {map, nullptr}));
        for (const std::int64_t step : {std::int64_t{1} << 20, std::int64_t{4097}}) {
            FileWindow window(file);
            EXPECT_EQ(ReadThrough(window, step), content);
            EXPECT_TRUE(window.LengthIsReportedSize());
            EXPECT_EQ(window.End(), window.ReportedSize());
            EXPECT_EQ(window.Extend(window.End() + step), Status::End);
        }
    }
}

TEST(FileWindow, KeepsWhatItHasNotLetGoOfWhileItGrows) {
    TempDir dir;
    const auto content = Pattern(1024 * 1024);
    const auto path = dir.Write("a.bin", content);
    for (const bool map : {true, false}) {
        CFile file;
        ASSERT_TRUE(file.Open(path, FileKinds::RegularFiles, {map, nullptr}));
        FileWindow window(file);
        ASSERT_EQ(window.Extend(10'000), Status::Ok);
        window.Release(5'000); // a line that started here is still being read
        for (std::int64_t end = 20'000; end <= 1024 * 1024; end += 77'777)
            ASSERT_EQ(window.Extend(end), Status::Ok);
        EXPECT_EQ(Held(window, 5'000, window.End()), content.substr(5'000, window.End() - 5'000));
        window.Release(900'001); // and from another place on
        EXPECT_EQ(window.Begin(), 900'001);
        EXPECT_EQ(Held(window, 900'001, window.End()),
                  content.substr(900'001, window.End() - 900'001));
        window.Release(2'000'000); // past the end: nothing held
        EXPECT_EQ(window.Begin(), window.End());
    }
}

TEST(FileWindow, AFileWhoseSizeSaysTooLittleIsReadToItsEnd) {
    // Pseudo-files report a size of 0 whatever they hold.
    CFile version;
    ASSERT_TRUE(version.Open("/proc/version"));
    FileWindow pseudo(version);
    const std::string bytes = ReadThrough(pseudo, 4096);
    EXPECT_EQ(bytes, ReadWholeFile("/proc/version"));
    EXPECT_FALSE(bytes.empty());
    EXPECT_FALSE(pseudo.LengthIsReportedSize());

    // A file that grows after the window saw its size.
    TempDir dir;
    const auto path = dir.Write("a.bin", "first part;");
    for (const bool map : {true, false}) {
        dir.Write("a.bin", "first part;");
        CFile file;
        ASSERT_TRUE(file.Open(path, FileKinds::RegularFiles, {map, nullptr}));
        FileWindow window(file);
        ASSERT_EQ(window.Extend(4), Status::Ok);
        std::ofstream(path, std::ios::app) << "second part";
        EXPECT_EQ(window.Extend(1000), Status::Ok);
        EXPECT_EQ(Held(window, 0, window.End()), "first part;second part");
        EXPECT_FALSE(window.LengthIsReportedSize());
        EXPECT_EQ(window.Extend(2000), Status::End);
    }
}

TEST(FileWindow, AFileCutUnderTheWindowFails) {
    TempDir dir;
    const auto content = Pattern(64 * 1024);
    for (const bool map : {true, false}) {
        SCOPED_TRACE(map ? "mapped" : "read");
        // Cut before its bytes were brought in.
        const auto path = dir.Write("a.bin", content);
        CFile file;
        ASSERT_TRUE(file.Open(path, FileKinds::RegularFiles, {map, nullptr}));
        FileWindow window(file);
        ASSERT_EQ(truncate(path.c_str(), 1000), 0);
        Status status;
        while ((status = window.Extend(64 * 1024)) == Status::Ok)
            ASSERT_LE(window.End(), 1000); // what is still there may come first
        EXPECT_EQ(status, Status::Failed);
        EXPECT_EQ(window.Extend(64 * 1024), Status::Failed);
    }

    // Cut after they were mapped: the pages are gone, and reading them faults in the guard.
    const auto path = dir.Write("b.bin", content);
    CFile file;
    ASSERT_TRUE(file.Open(path));
    FileWindow window(file);
    ASSERT_EQ(window.Extend(64 * 1024), Status::Ok);
    ASSERT_EQ(truncate(path.c_str(), 0), 0);
    EXPECT_EQ(window.Read({50'000, 50'001},
                          [](std::string_view bytes) {
                              static_cast<void>(*static_cast<const volatile char*>(bytes.data()));
                          }),
              Status::Failed);
    EXPECT_EQ(window.Failure().cause, ReadFailure::Cause::Changed);
}

TEST(FileWindow, BytesBeforeAReadErrorComeFirstAndTheErrorNext) {
    TempDir dir;
    const auto content = Pattern(1024 * 1024);
    CFile file;
    ASSERT_TRUE(file.Open(dir.Write("a.bin", content), FileKinds::RegularFiles,
                          {false, ReadFailingAtTheMark}));
    FileWindow window(file);
    EXPECT_EQ(window.Extend(256 * 1024), Status::Ok);
    EXPECT_EQ(window.Extend(512 * 1024), Status::Ok);
    EXPECT_EQ(window.End(), kFailAt);
    EXPECT_EQ(Held(window, 0, kFailAt), content.substr(0, kFailAt));
    EXPECT_EQ(window.Extend(512 * 1024), Status::Failed);

    // A pseudo-file that cannot be read at all.
    CFile memory;
    ASSERT_TRUE(memory.Open("/proc/self/mem"));
    FileWindow unreadable(memory);
    EXPECT_EQ(unreadable.Extend(4096), Status::Failed);
}
