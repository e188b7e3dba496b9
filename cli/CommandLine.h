#pragma once

#include "compare/CompareSettings.h"

#include <string>
#include <vector>

// What vy-cmp was asked to do.
struct CommandLine {
    enum class Action { Compare, Help, Version, UsageError };
    // Whether the stretch where two lines differ is coloured: Auto on a terminal only, and
    // never when the NO_COLOR variable is set and not empty.
    enum class Color { Auto, Always, Never };

    Action action = Action::Compare;
    CompareSettings settings;
    bool quiet = false; // print nothing: the exit status alone answers
    Color color = Color::Auto;
    std::string file1;
    std::string file2;
    std::string error; // for a usage error
};

// Reads the arguments after the program name:
// [-s|--quiet] [--text] [--match-case] [--compress-blanks] [--color[=WHEN]] [--] FILE1 FILE2,
// or --help, or --version.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "Usage: vy-cmp [-s|--quiet] [--text] [--match-case] [--compress-blanks] [--color[=WHEN]] "
    "[--] FILE1 FILE2\n"
    "Compares two files from their start, position against position.\n"
    "\n"
    "  -s, --quiet        print nothing; stop at the first difference, exit status only\n"
    "  --text             compare line n against line n (default: byte by byte)\n"
    "  --match-case       in text mode, tell a-z from A-Z (default: fold case)\n"
    "  --compress-blanks  in text mode, count each run of blanks and tabs as one blank\n"
    "  --color[=WHEN]     in text mode, colour where lines differ: auto (on a terminal,\n"
    "                     unless NO_COLOR is set; the default), always or never\n"
    "  --help             show this help\n"
    "  --version          show the version\n"
    "  --                 end of options\n"
    "\n"
    "Exit status: 0 no difference and equal lengths, 1 the files differ, 2 trouble.\n";
