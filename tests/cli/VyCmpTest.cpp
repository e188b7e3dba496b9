#include "tests/support/ExpectedTexts.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

constexpr std::string_view kUsage = "vy-cmp [-s|--quiet] [--text] [--match-case] "
                                    "[--compress-blanks] [--color[=WHEN]] [--] FILE1 FILE2";

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
    long peakKib = 0; // the most memory vy-cmp held at once
};

// Where vy-cmp's output goes.
enum class Streams {
    Separate,  // standard output and standard error each to a file of its own
    Together,  // both to one file, as with 2>&1
    FullDisk,  // standard output to /dev/full, standard error to a file
    Discarded, // standard output to /dev/null, standard error to a file
    Terminal,  // both to a terminal
};

class VyCmp : public testing::Test {
protected:
    // Runs vy-cmp in the temporary folder with these arguments and no input; with a limit, in no
    // more address space than that.
    Outcome Run(const std::vector<std::string>& arguments, Streams streams = Streams::Separate,
                rlim_t addressSpace = RLIM_INFINITY) {
        std::vector<std::string> command{VY_CMP_PATH};
        command.insert(command.end(), arguments.begin(), arguments.end());
        return Execute(command, streams, addressSpace);
    }

    // Runs a bash command line in the temporary folder, in which vy-cmp names the program.
    Outcome Shell(const std::string& line) {
        return Execute({"/bin/bash", "-c", "vy-cmp() { " VY_CMP_PATH " \"$@\"; }; " + line},
                       Streams::Separate, RLIM_INFINITY);
    }

    Outcome Execute(const std::vector<std::string>& command, Streams streams, rlim_t addressSpace) {
        const auto outPath = dir.PathOf(".stdout");
        const auto errPath = dir.PathOf(".stderr");
        int terminal = -1;
        const pid_t child =
            streams == Streams::Terminal ? forkpty(&terminal, nullptr, nullptr, nullptr) : fork();
        if (child == 0) {
            std::vector<char*> argv;
            for (const auto& argument : command)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            const rlimit limit{addressSpace, addressSpace};
            if (chdir(dir.Path().c_str()) != 0 || setrlimit(RLIMIT_AS, &limit) != 0 ||
                !Redirect(streams, outPath, errPath))
                _exit(127);
            // Only the three streams stay open, as for a program started from a shell.
            close_range(3, ~0u, 0);
            execv(argv[0], argv.data());
            _exit(127);
        }
        Outcome outcome;
        if (streams == Streams::Terminal)
            outcome.out = ReadUntilClosed(terminal);
        int status = 0;
        rusage usage{};
        EXPECT_EQ(wait4(child, &status, 0, &usage), child);
        outcome.peakKib = usage.ru_maxrss;
        EXPECT_TRUE(WIFEXITED(status));
        outcome.status = WEXITSTATUS(status);
        if (streams == Streams::Separate || streams == Streams::Together)
            outcome.out = ReadWholeFile(outPath);
        if (streams == Streams::Separate || streams == Streams::FullDisk ||
            streams == Streams::Discarded)
            outcome.err = ReadWholeFile(errPath);
        return outcome;
    }

    static bool Redirect(Streams streams, const std::string& outPath, const std::string& errPath) {
        if (streams == Streams::Terminal) {
            // No translation of line feeds, so the test sees the bytes vy-cmp wrote.
            termios mode{};
            tcgetattr(STDOUT_FILENO, &mode);
            cfmakeraw(&mode);
            return tcsetattr(STDOUT_FILENO, TCSANOW, &mode) == 0;
        }
        const int in = open("/dev/null", O_RDONLY);
        const int out = streams == Streams::FullDisk ? open("/dev/full", O_WRONLY)
                        : streams == Streams::Discarded
                            ? open("/dev/null", O_WRONLY)
                            : open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = streams == Streams::Together
                            ? out
                            : open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        return in >= 0 && out >= 0 && err >= 0 && dup2(in, 0) >= 0 && dup2(out, 1) >= 0 &&
               dup2(err, 2) >= 0;
    }

    static std::string ReadUntilClosed(int terminal) {
        std::string bytes;
        char buffer[4096];
        ssize_t got;
        while ((got = read(terminal, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, static_cast<std::size_t>(got));
        close(terminal);
        return bytes;
    }

    void ExpectUsageError(const std::vector<std::string>& arguments, std::string_view error) {
        const auto outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "vy-cmp: " + std::string(error) +
                                   "\nTry 'vy-cmp --help' for more information.\n");
    }

    TempDir dir;
};

std::string Footer(std::string_view verdict, std::string_view summary) {
    return "長さ: " + std::string(verdict) + "\n違い: " + std::string(summary) + "\n";
}

} // namespace

TEST_F(VyCmp, BinaryComparisonPrintsNamesRowsVerdictAndSummary) {
    dir.Write("a.bin", {"\x0A\x00\xFF", 3});
    dir.Write("b.bin", {"\x0A\x1B\xFE\x20", 4});
    auto outcome = Run({"a.bin", dir.PathOf("b.bin")});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "File1: a.bin\nFile2: b.bin\n" + std::string(expected::kAddressHeading) +
                               "\n00000001 00 : 1B\n00000002 FF : FE\n" +
                               Footer(expected::kFile2Longer, "2 ﾊﾞｲﾄの、違いがありました"));
    EXPECT_EQ(outcome.err, "");

    dir.Write("c.bin", {"\x0A\x00\xFF", 3});
    outcome = Run({"a.bin", "c.bin"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "File1: a.bin\nFile2: c.bin\n" + std::string(expected::kAddressHeading) +
                               "\n" + Footer(expected::kSameLength, expected::kNoDifference));

    // A difference in length alone is a difference.
    dir.Write("d.bin", {"\x0A\x00\xFF\x00", 4});
    EXPECT_EQ(Run({"a.bin", "d.bin"}).status, 1);
}

TEST_F(VyCmp, TextOptionsChooseTheComparison) {
    dir.Write("a.txt", "Abc\nx  y\n");
    dir.Write("b.txt", "aBC\nx y\n");
    dir.Write("c.txt", "Abc\n");
    auto outcome = Run({"--text", "a.txt", "b.txt"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "File1: a.txt\nFile2: b.txt\n2 行\n******** a.txt\nx  y\n"
                           "******** b.txt\nx y\n\n" +
                               Footer(expected::kSameLineCount, "1 行の、違いがありました"));

    outcome = Run({"--compress-blanks", "--text", "a.txt", "b.txt"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "File1: a.txt\nFile2: b.txt\n" +
                               Footer(expected::kSameLineCount, expected::kNoDifference));

    outcome = Run({"--text", "--match-case", "--compress-blanks", "a.txt", "b.txt"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find("1 行\n******** a.txt\nAbc\n******** b.txt\naBC\n\n"),
              std::string::npos);

    // More lines without a differing pair still differ.
    EXPECT_EQ(Run({"--text", "a.txt", "c.txt"}).status, 1);
    // Without --text the files are compared byte for byte.
    EXPECT_EQ(Run({"--compress-blanks", "a.txt", "b.txt"}).status, 1);
}

TEST_F(VyCmp, RowsAreWrittenWithTheirBytesUnchanged) {
    dir.Write("a.txt", "a\0b\r\n\x83\x61\n"s);
    dir.Write("b.txt", "a\0c\n\x83\x41\n"s);
    const auto outcome = Run({"--text", "a.txt", "b.txt"});
    EXPECT_EQ(outcome.out, "File1: a.txt\nFile2: b.txt\n"
                           "1 行\n******** a.txt\na\0b\n******** b.txt\na\0c\n\n"
                           "2 行\n******** a.txt\n\x83\x61\n******** b.txt\n\x83\x41\n\n"s +
                               Footer(expected::kSameLineCount, "2 行の、違いがありました"));
}

TEST_F(VyCmp, FailedChecksPrintCaptionAndTextAndTheSystemsReason) {
    dir.Write("a.txt", "a");
    std::filesystem::create_directory(dir.PathOf("folder"));
    for (const auto& [arguments, message] :
         {std::pair{std::vector<std::string>{"missing.txt", "a.txt"},
                    "File Read Error!!!: missing.txt\n"
                    "vy-cmp: missing.txt: No such file or directory\n"s},
          std::pair{std::vector<std::string>{"a.txt", dir.PathOf("folder")},
                    "File Read Error!!!: folder\nvy-cmp: " + dir.PathOf("folder") +
                        ": Is a directory\n"},
          std::pair{std::vector<std::string>{"a.txt", "/dev/null"},
                    "File Read Error!!!: null\nvy-cmp: /dev/null: Not a regular file\n"s},
          std::pair{std::vector<std::string>{"--text", "a.txt", "a.txt"},
                    "File Error!!!: 同じファイルです\n"s}}) {
        const auto outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, message);
    }
#if !defined(__SANITIZE_ADDRESS__) // whose runtime needs descriptors of its own
    // A file the checks could not open is the one named, for whatever reason.
    dir.Write("b.txt", "b");
    const auto crowded = Shell("ulimit -n 4; vy-cmp a.txt b.txt");
    EXPECT_EQ(crowded.status, 2);
    EXPECT_EQ(crowded.err, "File Read Error!!!: b.txt\nvy-cmp: b.txt: Too many open files\n");
#endif
}

TEST_F(VyCmp, AReadErrorDuringTheComparisonIsAFailure) {
    dir.Write("a.bin", "bytes");
    const auto outcome = Run({"a.bin", "/proc/self/mem"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out.rfind("File1: a.bin\nFile2: mem\n", 0), 0u) << outcome.out;
    EXPECT_EQ(outcome.out.find("違い: "), std::string::npos);
    EXPECT_EQ(outcome.err, "File Read Error!!!: mem\nvy-cmp: /proc/self/mem: Input/output error\n");
}

TEST_F(VyCmp, UsageHelpVersionAndTheEndOfOptions) {
    ExpectUsageError({}, "two files are needed");
    ExpectUsageError({"a.txt"}, "two files are needed");
    ExpectUsageError({"a.txt", "b.txt", "c.txt"}, "too many files");
    ExpectUsageError({"--bogus", "a.txt", "b.txt"}, "unknown option: --bogus");

    const auto help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find(kUsage), std::string::npos) << help.out;
    const auto version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("vy-cmp"), std::string::npos) << version.out;

    dir.Write("--text", "Abc\n");
    dir.Write("b.txt", "aBC\n");
    auto outcome = Run({"--", "--text", "b.txt"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out.rfind("File1: --text\nFile2: b.txt\n" +
                                    std::string(expected::kAddressHeading) + "\n",
                                0),
              0u)
        << outcome.out;
    EXPECT_EQ(Run({"--text", "--", "--text", "b.txt"}).status, 0);
}

TEST_F(VyCmp, StandardInputPipesAndFifosAreReadToTheirEnd) {
    // Larger than a pipe holds, and differing past what it holds.
    std::string bytes(300'000, '\0');
    for (std::size_t at = 0; at < bytes.size(); ++at)
        bytes[at] = static_cast<char>(at % 251 == 0 ? '\n' : 'a' + at % 26);
    dir.Write("a", bytes);
    bytes[200'000] = 'Z';
    dir.Write("b", bytes);
    dir.Write("empty", "");
    ASSERT_EQ(mkfifo(dir.PathOf("fifo").c_str(), 0600), 0);
    for (const std::string mode : {"", "--text "})
        for (const std::string first : {"a", "empty"})
            for (const std::string second : {"a", "b", "empty"}) {
                SCOPED_TRACE(mode + first + " against " + second);
                const auto direct =
                    Shell("cp " + first + " first; vy-cmp " + mode + "first " + second);
                // Everything but the name of File1.
                const auto rest = [](std::string out) {
                    const std::size_t end = out.find('\n');
                    const std::string heading = "\n******** " + out.substr(7, end - 7) + "\n";
                    for (std::size_t at; (at = out.find(heading)) != std::string::npos;)
                        out.replace(at, heading.size(), "\n********\n");
                    return out.substr(end);
                };
                for (const std::string& line :
                     {"vy-cmp " + mode + "- " + second + " < " + first,
                      "cat " + first + " | vy-cmp " + mode + "- " + second,
                      "vy-cmp " + mode + "<(cat " + first + ") " + second,
                      "cat " + first + " > fifo & vy-cmp " + mode + "fifo " + second}) {
                    const auto streamed = Shell(line);
                    EXPECT_EQ(streamed.status, direct.status) << line;
                    EXPECT_EQ(rest(streamed.out), rest(direct.out)) << line;
                    EXPECT_EQ(streamed.err, "") << line;
                }
            }
    // The window's rule stays for what is neither a file nor a stream.
    EXPECT_EQ(Run({"a", "/dev/null"}).err,
              "File Read Error!!!: null\nvy-cmp: /dev/null: Not a regular file\n");
}

TEST_F(VyCmp, LeavesTheInputFilesAsTheyWere) {
    const auto path1 = dir.Write("a.txt", "one\r\ntwo\n");
    const auto path2 = dir.Write("b.txt", "ONE\nthree\n");
    struct stat before1 {
    }, before2{}, after1{}, after2{};
    ASSERT_EQ(stat(path1.c_str(), &before1), 0);
    ASSERT_EQ(stat(path2.c_str(), &before2), 0);
    EXPECT_EQ(Run({"--text", "a.txt", "b.txt"}).status, 1);
    EXPECT_EQ(Run({"a.txt", "b.txt"}).status, 1);
    ASSERT_EQ(stat(path1.c_str(), &after1), 0);
    ASSERT_EQ(stat(path2.c_str(), &after2), 0);
    EXPECT_EQ(ReadWholeFile(path1), "one\r\ntwo\n");
    EXPECT_EQ(ReadWholeFile(path2), "ONE\nthree\n");
    for (const auto& [before, after] : {std::pair{before1, after1}, std::pair{before2, after2}}) {
        EXPECT_EQ(before.st_size, after.st_size);
        EXPECT_EQ(before.st_mtim.tv_sec, after.st_mtim.tv_sec);
        EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
    }
}

TEST_F(VyCmp, MessagesComeAfterTheRowsPrintedBeforeThem) {
    dir.Write("a.bin", "bytes");
    const auto outcome = Run({"a.bin", "/proc/self/mem"}, Streams::Together);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "File1: a.bin\nFile2: mem\n" + std::string(expected::kAddressHeading) +
                               "\nFile Read Error!!!: mem\n"
                               "vy-cmp: /proc/self/mem: Input/output error\n");
}

TEST_F(VyCmp, AnOutputThatCannotBeWrittenIsTrouble) {
    dir.Write("a.txt", "a\n");
    dir.Write("b.txt", "b\n");
    for (const auto& arguments :
         {std::vector<std::string>{"--help"}, std::vector<std::string>{"--version"},
          std::vector<std::string>{"a.txt", "b.txt"}}) {
        const auto outcome = Run(arguments, Streams::FullDisk);
        EXPECT_EQ(outcome.status, 2) << arguments[0];
        EXPECT_EQ(outcome.err, "vy-cmp: standard output: No space left on device\n");
    }
}

TEST_F(VyCmp, QuietPrintsNothingAndAnswersByItsExitStatus) {
    dir.Write("a.txt", "one\ntwo\n");
    dir.Write("b.txt", "one\nTWO\n");
    dir.Write("c.txt", "one\ntwo\nthree\n");
    for (const auto& [arguments, status] :
         {std::pair{std::vector<std::string>{"-s", "a.txt", "a.txt"}, 2},
          std::pair{std::vector<std::string>{"-s", "a.txt", "b.txt"}, 1},
          std::pair{std::vector<std::string>{"--quiet", "--text", "a.txt", "b.txt"}, 0},
          std::pair{std::vector<std::string>{"-s", "--text", "--match-case", "a.txt", "b.txt"}, 1},
          std::pair{std::vector<std::string>{"-s", "a.txt", "c.txt"}, 1},
          std::pair{std::vector<std::string>{"-s", "--text", "a.txt", "c.txt"}, 1},
          std::pair{std::vector<std::string>{"-s", "/proc/version", "/proc/version"}, 2}}) {
        const auto outcome = Run(arguments);
        EXPECT_EQ(outcome.status, status) << arguments[1] << ' ' << arguments.back();
        EXPECT_EQ(outcome.out, "");
    }
    dir.Write("version", ReadWholeFile("/proc/version"));
    EXPECT_EQ(Run({"-s", "/proc/version", "version"}).status, 0);
    // Trouble only by the status, as with cmp -s.
    const auto missing = Run({"-s", "missing.txt", "a.txt"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "");
}

TEST_F(VyCmp, ATerminalShowsRowsAsTheWindowDoes) {
    dir.Write("a.txt",
              "\x83\x65\x83\x58\x83\x67\x01\n"s); // テスト in Shift-JIS, and a control byte
    dir.Write("b.txt", "x\n");
    const auto outcome = Run({"--text", "a.txt", "b.txt"}, Streams::Terminal);
    EXPECT_EQ(outcome.status, 1);
    // The whole line differs, coloured as a terminal is by default.
    EXPECT_NE(outcome.out.find("\n******** a.txt\n\x1b[1;31mテスト\u2401\x1b[m\n"),
              std::string::npos)
        << outcome.out;

#if !defined(__SANITIZE_ADDRESS__) // whose own memory would be counted
    // A long line is shown as it is decoded, not decoded whole first.
    const std::size_t length = std::size_t{48} << 20;
    dir.Write("long.txt", std::string(length, 'x'));
    const auto longLine = Run({"--text", "--color=never", "long.txt", "b.txt"}, Streams::Terminal);
    EXPECT_EQ(longLine.status, 1);
    EXPECT_NE(longLine.out.find(std::string(length, 'x')), std::string::npos);
    EXPECT_LT(longLine.peakKib, static_cast<long>((length >> 10) + (32 << 10)));
#endif
}

TEST_F(VyCmp, ColourSetsOffWhereLinesDifferWhenAskedOrOnATerminalWithoutNoColor) {
    dir.Write("a.txt", "The quick brown fox\nkey\tvalue\n");
    dir.Write("b.txt", "The quick brown cat\nkey  value\n");
    const std::string coloured = "******** a.txt\nThe quick brown \x1b[1;31mfox\x1b[m\n"
                                 "******** b.txt\nThe quick brown \x1b[1;31mcat\x1b[m\n\n"
                                 "2 行\n******** a.txt\nkey\x1b[1;31m\t\x1b[mvalue\n"
                                 "******** b.txt\nkey\x1b[1;31m  \x1b[mvalue\n\n";
    const std::string plain = "******** a.txt\nThe quick brown fox\n"
                              "******** b.txt\nThe quick brown cat\n\n"
                              "2 行\n******** a.txt\nkey\tvalue\n"
                              "******** b.txt\nkey  value\n\n";
    for (const auto& [arguments, expected] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--color=always"}, coloured},
             {{"--color=never"}, plain},
             {{"--color"}, plain}, // auto, into a file
             {{}, plain},
         }) {
        std::vector<std::string> all = arguments;
        all.insert(all.end(), {"--text", "a.txt", "b.txt"});
        EXPECT_NE(Run(all).out.find(expected), std::string::npos) << all.front();
    }
    setenv("NO_COLOR", "1", 1);
    const std::string onTerminal = Run({"--text", "a.txt", "b.txt"}, Streams::Terminal).out;
    const std::string forcedAnyway = Run({"--color=always", "--text", "a.txt", "b.txt"}).out;
    unsetenv("NO_COLOR");
    EXPECT_EQ(onTerminal.find("\x1b["), std::string::npos);
    EXPECT_NE(forcedAnyway.find(coloured), std::string::npos);
    ExpectUsageError({"--color=sometimes", "a.txt", "b.txt"}, "unknown option: --color=sometimes");
}

TEST_F(VyCmp, ALineTooLongForTheMemoryIsAReadErrorOfItsFile) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#endif
    // Two lines of 160 MiB that differ in their first byte, in 128 MiB of address space: the
    // first file's line, matched first, cannot be held to be matched and listed.
    const std::int64_t length = std::int64_t{160} << 20;
    for (const char* name : {"a.txt", "b.txt"}) {
        const int descriptor = open(dir.PathOf(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(descriptor, 0);
        ASSERT_EQ(ftruncate(descriptor, length), 0);
        ASSERT_EQ(pwrite(descriptor, name, 1, 0), 1);
        close(descriptor);
    }
    const auto outcome = Run({"--text", "a.txt", "b.txt"}, Streams::Together, rlim_t{128} << 20);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out.rfind("File1: a.txt\nFile2: b.txt\nFile Read Error!!!: a.txt\n"
                                "vy-cmp: a.txt: not enough memory for ",
                                0),
              0u)
        << outcome.out;
}

TEST_F(VyCmp, TooLittleMemoryForASecondWorkerChangesNoAnswer) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limits leave";
#endif
    // Two files of 20 MiB that differ in their last byte: the second worker, which maps both
    // files again, finds no room, and the first does its windows.
    std::string bytes(20 << 20, 'x');
    dir.Write("a.bin", bytes);
    bytes.back() = 'y';
    dir.Write("b.bin", bytes);
    for (const rlim_t megabytes : {60, 80, 120}) {
        const auto outcome = Run({"a.bin", "b.bin"}, Streams::Separate, rlim_t{megabytes} << 20);
        EXPECT_EQ(outcome.status, 1) << megabytes << " MiB: " << outcome.err;
        EXPECT_NE(outcome.out.find("013FFFFF 78 : 79\n"), std::string::npos) << outcome.out;
    }
}

TEST_F(VyCmp, MemoryFollowsTheLongestLinesNotTheFileSize) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's own memory would be counted";
#endif
    // The child starts as a copy of this process, which counts towards its peak until it runs
    // vy-cmp, so the files are written a little at a time.
    const auto write = [&](const char* name, std::string_view piece, std::size_t copies,
                           std::string_view end) {
        std::ofstream file(dir.PathOf(name), std::ios::binary);
        for (std::size_t copy = 0; copy < copies; ++copy)
            file << piece;
        file << end;
    };
    const std::string kibibyte(1024, 'a');

    // Two lines of 48 MiB that differ at their ends are held, each once.
    write("a.txt", kibibyte, 48 << 10, "x\n");
    write("b.txt", kibibyte, 48 << 10, "y\n");
    auto outcome = Run({"--text", "a.txt", "b.txt"}, Streams::Discarded);
    EXPECT_EQ(outcome.status, 1);
    const long lines = 2 * (48 << 10);
    EXPECT_LE(outcome.peakKib, lines + lines / 10 + (16 << 10));
    EXPECT_GE(outcome.peakKib, lines); // what is measured is what it should be

    // 96 MiB of short lines that differ in case and blanks on every line take no more than the
    // windows.
    write("c.txt", "Some words  and\tmore of them\n", 3'500'000, "");
    write("d.txt", "SOME WORDS AND  MORE OF THEM\n", 3'500'000, "");
    outcome = Run({"--text", "--compress-blanks", "c.txt", "d.txt"}, Streams::Discarded);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_LE(outcome.peakKib, 32 << 10);
}
