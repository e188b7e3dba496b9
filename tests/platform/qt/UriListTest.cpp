#include "platform/qt/detail/UriList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;
using Paths = std::vector<std::string>;

TEST(UriList, LocalFilesArriveAsTheirBytesInTheListsOrder) {
    // "テスト.txt" in Shift-JIS and a name holding the bytes FF FE, as a file manager sends them.
    EXPECT_EQ(LocalPathsOfUriList("file:///tmp/%83e%83X%83g.txt\r\nfile:///tmp/%ff%FE\r\n", "pc"),
              (Paths{"/tmp/\x83\x65\x83\x58\x83\x67.txt", "/tmp/\xFF\xFE"}));
    EXPECT_EQ(LocalPathsOfUriList("file:///a/%E6%97%A5%20b.txt", "pc"), (Paths{"/a/日 b.txt"}));
    // The host may be empty, localhost or this machine, in any case; the path may lack one.
    EXPECT_EQ(LocalPathsOfUriList("FILE://LocalHost/b\nfile://PC/c\nfile:/d\n", "pc"),
              (Paths{"/b", "/c", "/d"}));
    // Comments, padding, a trailing zero, a query and a fragment are no part of a name, and a
    // percent sign that starts no escape stands for itself.
    EXPECT_EQ(
        LocalPathsOfUriList("# from the desktop\r\n  file:///e%2\t\r\n\r\nfile:///f?x#y\0"s, "pc"),
        (Paths{"/e%2", "/f"}));
    EXPECT_EQ(LocalPathsOfUriList("file:///g%zz%4", "pc"), (Paths{"/g%zz%4"}));
}

TEST(UriList, LeavesOutWhatNamesNoLocalFile) {
    EXPECT_EQ(LocalPathsOfUriList("", "pc"), Paths{});
    EXPECT_EQ(LocalPathsOfUriList("https://example.com/a.txt\r\n"
                                  "file://server/share/b.txt\r\n"
                                  "file:relative.txt\r\n"
                                  "file:///zero%00byte\r\n"
                                  "files:///x\r\n"
                                  "/plain/path\r\n"
                                  "file:///kept\r\n",
                                  "pc"),
              (Paths{"/kept"}));
}
