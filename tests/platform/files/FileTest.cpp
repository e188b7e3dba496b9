#include "File.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string Pattern(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
}

} // namespace

TEST(File, OpensOnlyReadableRegularFiles) {
    TempDir dir;
    const auto path = dir.Write("a.bin", "12345");
    std::filesystem::create_directory(dir.PathOf("folder"));
    std::filesystem::create_symlink(path, dir.PathOf("link"));
    std::filesystem::create_symlink(dir.PathOf("folder"), dir.PathOf("folder-link"));
    ASSERT_EQ(mkfifo(dir.PathOf("fifo").c_str(), 0600), 0);

    CFile file;
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Read(nullptr, 0), std::nullopt);
    for (const auto& refused :
         {dir.PathOf("missing"), dir.PathOf("folder"), dir.PathOf("folder-link"),
          dir.PathOf("fifo"), std::string("/dev/null")}) {
        EXPECT_FALSE(file.Open(refused)) << refused;
        EXPECT_FALSE(file.IsOpen());
    }
    ASSERT_TRUE(file.Open(dir.PathOf("link")));
    EXPECT_EQ(file.GetLength(), 5);
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    char byte = 0;
    EXPECT_EQ(file.Read(&byte, 1), std::nullopt);
}

TEST(File, ReadsShortOnlyAtTheEnd) {
    TempDir dir;
    const auto content = Pattern(3 * 1024 * 1024 + 5);
    const auto path = dir.Write("a.bin", content);
    CFile file;
    ASSERT_TRUE(file.Open(path));
    EXPECT_EQ(file.GetLength(), static_cast<std::int64_t>(content.size()));

    std::vector<char> buffer(2 * 1024 * 1024);
    EXPECT_EQ(file.Read(buffer.data(), buffer.size()), buffer.size());
    EXPECT_EQ(std::string(buffer.data(), buffer.size()), content.substr(0, buffer.size()));
    EXPECT_EQ(file.Read(buffer.data(), buffer.size()), content.size() - buffer.size());
    EXPECT_EQ(file.Read(buffer.data(), buffer.size()), 0u);

    // Odd request sizes across whatever blocks the file reads underneath.
    ASSERT_TRUE(file.Open(path));
    std::string whole;
    for (std::size_t step = 1000;; step = step == 1000 ? 4097 : 1000) {
        const auto count = file.Read(buffer.data(), step);
        ASSERT_TRUE(count.has_value());
        whole.append(buffer.data(), *count);
        if (*count < step)
            break;
    }
    EXPECT_EQ(whole, content);
    EXPECT_EQ(file.Read(buffer.data(), 1024), 0u);
}

TEST(File, AReadErrorIsNoEndOfFile) {
    CFile file;
    ASSERT_TRUE(file.Open("/proc/self/mem"));
    char buffer[1024];
    EXPECT_EQ(file.Read(buffer, sizeof buffer), std::nullopt);
}
