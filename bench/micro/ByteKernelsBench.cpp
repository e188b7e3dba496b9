// Times every byte-scan set this processor runs on long ranges: text lines of up to about 120
// bytes against an equal copy and against a copy with most letters in the other case, and a
// walk with blanks compressed over indented lines with runs of blanks and tabs between words
// against a copy with each run as one blank.
//
//   vy-kernel-bench [MIB [ROUNDS]]
//
// Prints gigabytes per second of each scan, the best of ROUNDS (default 4 MiB, 20 rounds). Keep
// MIB within the cache to see the scans, beyond it to see the memory.

#include "compare/ByteKernelSet.h"

#include "bench/micro/OneBlankPerRun.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {
template <class Scan> double BestGigabytesPerSecond(std::size_t bytes, int rounds, Scan scan) {
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        scan();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::max(best, static_cast<double>(bytes) / took.count() / 1e9);
    }
    return best;
}
// Lines of about 80 bytes, half of them indented, with words apart by one blank mostly and by
// two, a tab or a run of both now and then.
std::string TextWithRunsOfBlanks(std::mt19937& random, std::size_t bytes) {
    const char* const words[] = {
        "buffer", "offset", "compare", "RunComparison(panel);",   "the", "of",
        "0x1F",   "10000",  "==",      "\xE3\x83\x95\xE3\x82\xA1"};
    const char* const indents[] = {"", "", "", "", "", "    ", "    ", "\t", "        ", "  "};
    const char* const gaps[] = {" ", " ", " ", " ", " ", " ", " ", " ", "  ", "\t", " \t  "};
    std::string text;
    while (text.size() < bytes) {
        std::string line = indents[random() % std::size(indents)];
        const std::size_t length = 60 + random() % 41;
        line += "Note";
        while (line.size() < length)
            line +=
                std::string(gaps[random() % std::size(gaps)]) + words[random() % std::size(words)];
        text += line + '\n';
    }
    return text;
}
} // namespace

int main(int argc, char** argv) {
    const std::size_t bytes = (argc > 1 ? std::max(1, std::atoi(argv[1])) : 4) << 20;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    // Lines of varied length, so that where the line feeds fall cannot be learnt.
    std::mt19937 random(1994);
    std::string text;
    while (text.size() < bytes)
        text += std::string(random() % 100, 'x') + " offset " + std::to_string(text.size()) +
                " \xE3\x81\x82\n";
    text.resize(bytes);
    const std::string copy = text;
    const std::string blanks = TextWithRunsOfBlanks(random, bytes);
    const std::string blanksOnce = OneBlankPerRun(blanks);
    std::string otherCase = text;
    for (char& byte : otherCase)
        byte = byte == 'x' ? 'X' : byte;

    std::size_t sink = 0;
    std::printf("%-8s %10s %10s %10s %10s %10s  (GB/s, %zu MiB)\n", "set", "FirstDiff", "ScanEqual",
                "ScanFolded", "CountLF", "WalkBlanks", bytes >> 20);
    for (const ByteKernelSet* set : ByteKernelSets()) {
        if (!set->runsHere())
            continue;
        const char* a = text.data();
        const char* b = copy.data();
        const double first = BestGigabytesPerSecond(
            bytes, rounds, [&] { sink += set->firstDifference(a, b, bytes); });
        const double scan = BestGigabytesPerSecond(
            bytes, rounds,
            [&] { sink += set->scanEqualText(a, b, bytes, {.foldCase = true}, 0).lineFeeds; });
        const double folded = BestGigabytesPerSecond(
            bytes, rounds,
            [&] {
                sink +=
                    set->scanEqualText(a, otherCase.data(), bytes, {.foldCase = true}, 0).lineFeeds;
            });
        const double count =
            BestGigabytesPerSecond(bytes, rounds, [&] { sink += set->countLineFeeds(a, bytes); });
        // Gigabytes of the text with its runs of blanks, with letters folded as by default.
        const double walk = BestGigabytesPerSecond(blanks.size(), rounds, [&] {
            TextWalk walked;
            set->walkText(blanks.data(), blanks.size(), blanksOnce.data(), blanksOnce.size(),
                          {.foldCase = true, .compressBlanks = true}, walked);
            sink += walked.lineFeeds;
        });
        std::printf("%-8s %10.1f %10.1f %10.1f %10.1f %10.1f\n", set->name, first, scan, folded,
                    count, walk);
    }
    return sink == 0; // keeps the scans from being optimised away
}
