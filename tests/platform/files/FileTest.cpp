#include "platform/files/File.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

TEST(File, OpensOnlyReadableRegularFilesAndSaysWhyNot) {
    TempDir dir;
    const auto path = dir.Write("a.bin", "12345");
    std::filesystem::create_directory(dir.PathOf("folder"));
    std::filesystem::create_symlink(path, dir.PathOf("link"));
    std::filesystem::create_symlink(dir.PathOf("folder"), dir.PathOf("folder-link"));
    ASSERT_EQ(mkfifo(dir.PathOf("fifo").c_str(), 0600), 0);

    CFile file;
    EXPECT_FALSE(file.IsOpen());
    for (const auto& [refused, reason] :
         {std::pair{dir.PathOf("missing"), "No such file or directory"},
          std::pair{dir.PathOf("folder"), "Is a directory"},
          std::pair{dir.PathOf("folder-link"), "Is a directory"},
          std::pair{dir.PathOf("a.bin/inside"), "Not a directory"},
          std::pair{dir.PathOf("fifo"), "Not a regular file"},
          std::pair{std::string("/dev/null"), "Not a regular file"}}) {
        EXPECT_FALSE(file.Open(refused)) << refused;
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(Describe(file.OpenFailure()), reason) << refused;
    }
    ASSERT_TRUE(file.Open(dir.PathOf("link")));
    EXPECT_EQ(file.GetLength(), 5);
    EXPECT_GE(file.Descriptor(), 0);
    file.Close();
    EXPECT_FALSE(file.IsOpen());
}
