// Times LineMatcher::Equal on line pairs like those of the text cases of bench/run: varied lines
// of about 80 bytes, some indented, some with Japanese words in UTF-8, compared against the same
// lines as they are, with every letter's case swapped, and with every blank run made one blank.
//
//   vy-line-bench [ROUNDS [CASE]]
//
// Each round compares every pair once; the program prints nanoseconds per pair, the best round of
// each case (or of the one case named). For instruction counts that do not depend on the
// machine's load, run one round of one case under
//   valgrind --tool=callgrind --toggle-collect='LineMatcher::Equal*' vy-line-bench 1 blanks
// and divide the instructions by the pairs it prints.

#include "compare/LineMatcher.h"

#include "bench/micro/OneBlankPerRun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr std::size_t kLines = 20000;

std::vector<std::string> MakeLines() {
    const std::vector<std::string> words = {
        "buffer",    "offset", "length",   "compare",   "result",     "line",
        "file",      "block",  "read",     "File1",     "File2",      "Text",
        "Binary",    "mode",   "settings", "matchCase", "ReadLine()", "RunComparison(panel,",
        "request);", "return", "size_t",   "int64_t",   "the",        "a",
        "of",        "to",     "and",      "is",        "with",       "error",
        "Hello",     "World",  "Tokyo",    "0x1F",      "1024",       "==",
        "{}",        ";",      "ファイル", "比較",      "違い",       "行数",
        "設定",      "結果",   "テキスト", "バイナリ"};
    const std::vector<std::string> indents = {"",     "",     "",   "",         "",
                                              "    ", "    ", "\t", "        ", "  "};
    const std::vector<std::string> gaps = {" ", " ", " ", " ", " ", " ", " ", " ", "  ", "\t"};
    std::mt19937 random(1994);
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < kLines; ++i) {
        std::string line = indents[random() % indents.size()] + "Note";
        const std::size_t target = 60 + random() % 41;
        while (line.size() < target)
            line += gaps[random() % gaps.size()] + words[random() % words.size()];
        lines.push_back(line);
    }
    return lines;
}

std::string SwapCase(std::string line) {
    for (char& byte : line)
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z'))
            byte = static_cast<char>(byte ^ 0x20);
    return line;
}

struct Case {
    const char* name;
    TextRules rules;
    std::vector<std::string> others;
};

void Run(const Case& bench, const std::vector<std::string>& lines, int rounds) {
    const LineMatcher matcher(bench.rules);
    double best = 1e300;
    std::size_t equal = 0;
    for (int round = 0; round < rounds; ++round) {
        equal = 0;
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < lines.size(); ++i)
            equal += matcher.Equal(lines[i], bench.others[i]);
        const std::chrono::duration<double, std::nano> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / static_cast<double>(lines.size()));
    }
    std::printf("%-18s %6.1f ns/pair  (%zu pairs per round, %zu equal)\n", bench.name, best,
                lines.size(), equal);
}
} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const auto lines = MakeLines();
    std::vector<Case> cases = {{"identical", {.foldCase = true}, lines},
                               {"case swapped", {.foldCase = true}, {}},
                               {"blanks changed", {.foldCase = true, .compressBlanks = true}, {}}};
    for (const auto& line : lines) {
        cases[1].others.push_back(SwapCase(line));
        cases[2].others.push_back(OneBlankPerRun(line));
    }
    const std::string only = argc > 2 ? argv[2] : "";
    for (const auto& bench : cases)
        if (std::string(bench.name).find(only) != std::string::npos)
            Run(bench, lines, rounds);
}
