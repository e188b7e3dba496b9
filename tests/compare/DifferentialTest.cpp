#include "compare/BinaryCompare.h"
#include "compare/DifferingStretch.h"
#include "compare/TextCompare.h"
#include "tests/support/MemoryResultPanel.h"
#include "tests/support/ReferenceComparison.h"
#include "tests/support/ReferenceText.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

// The engine against the plain reference model on thousands of generated file pairs, with
// windows so small that lines, CR LF pairs and runs of blanks fall across their edges, with one
// worker and with two, read or mapped, and with limits small enough to be passed.
namespace {

using Random = std::mt19937;

std::size_t Below(Random& random, std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
}

template <class T, std::size_t N> const T& AnyOf(Random& random, const T (&choices)[N]) {
    return choices[Below(random, N)];
}

// A line of the kinds people compare: words in both cases, Japanese in UTF-8 or Shift-JIS (also
// with second bytes that are letters), runs of blanks and tabs, stray CRs.
std::string RandomLine(Random& random) {
    static const char* const kPieces[] = {
        "word",      "Word",         "WORD",         "x",        " ",        "  ",       "\t",
        " \t ",      "\xE3\x81\x82", "\xE6\xBC\xA2", "\x83\x41", "\x83\x61", "\x82\xA0", "\x83\x7A",
        "\x8A\x72z", "\r",           "\xFF",         "0",        "",
    };
    std::string line;
    for (std::size_t pieces = Below(random, 12); pieces > 0; --pieces)
        line += AnyOf(random, kPieces);
    return line;
}

std::string RandomText(Random& random) {
    std::string text;
    const bool crlf = Below(random, 3) == 0;
    for (std::size_t lines = Below(random, 40); lines > 0; --lines)
        text += RandomLine(random) + (crlf ? "\r\n" : "\n");
    if (Below(random, 3) == 0)
        text += RandomLine(random); // no line end at the end
    return text;
}

// The second file: the first with a few of the changes that comparisons are run to find.
std::string ChangedText(Random& random, std::string text) {
    for (std::size_t changes = Below(random, 6); changes > 0 && !text.empty(); --changes) {
        const std::size_t at = Below(random, text.size());
        switch (Below(random, 7)) {
        case 0:
            text[at] = static_cast<char>(text[at] ^ 0x20); // case, or a blank against NUL
            break;
        case 1:
            text.insert(at, AnyOf(random, {" ", "\t", "  "}));
            break;
        case 2:
            text.erase(at, 1 + Below(random, 3));
            break;
        case 3:
            text.insert(at, RandomLine(random) + "\n");
            break;
        case 4:
            text.insert(at, 1, '\r');
            break;
        case 5:
            text.resize(at);
            break;
        default:
            text[at] = static_cast<char>(Below(random, 256));
        }
    }
    return text;
}

// Bytes with runs that repeat, so that equal stretches are long and differences come in places.
std::string RandomBytes(Random& random, std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t at = 0; at < size; ++at)
        bytes[at] = static_cast<char>(at % 97 + (Below(random, 50) == 0 ? Below(random, 256) : 0));
    return bytes;
}

std::string ChangedBytes(Random& random, std::string bytes) {
    if (bytes.empty())
        return bytes;
    switch (Below(random, 4)) {
    case 0: // a few scattered
        for (std::size_t changes = Below(random, 8); changes > 0; --changes)
            bytes[Below(random, bytes.size())] ^= static_cast<char>(1 + Below(random, 255));
        break;
    case 1: { // a stretch in which every byte differs
        const std::size_t at = Below(random, bytes.size());
        for (std::size_t i = at; i < std::min(bytes.size(), at + Below(random, 3000)); ++i)
            bytes[i] = static_cast<char>(~bytes[i]);
        break;
    }
    case 2:
        bytes.resize(Below(random, bytes.size()));
        break;
    default:
        bytes += bytes.substr(0, Below(random, 100));
    }
    return bytes;
}

// A run's tuning and how it reaches its files.
struct RunSetup {
    CompareTuning tuning;
    FileAccess access;
};

RunSetup RandomSetup(Random& random) {
    static const std::size_t kWindows[] = {1, 2, 3, 5, 8, 13, 64, 4096, 65536};
    static const std::int64_t kLimits[] = {0, 1, 2, 5, 10000};
    RunSetup setup;
    setup.tuning.windowSize = AnyOf(random, kWindows);
    setup.access.map = Below(random, 4) != 0;
    setup.tuning.workers = Below(random, 2) == 0 ? Workers::One : Workers::Two;
    setup.tuning.byteLimit = AnyOf(random, kLimits);
    setup.tuning.lineLimit = std::min<std::int64_t>(setup.tuning.byteLimit, 4000);
    return setup;
}

// Lines "<prefix><n>" for n from 0 to count - 1, each ending in LF.
std::string NumberedLines(int count, const std::string& prefix) {
    std::string text;
    for (int line = 0; line < count; ++line)
        text += prefix + std::to_string(line) + "\n";
    return text;
}

// Expects the run to show what the model does.
void ExpectAgreement(const MemoryResultPanel& panel, CompareOutcome outcome,
                     const reference::Comparison& expected) {
    ASSERT_TRUE(outcome == CompareOutcome::Same || outcome == CompareOutcome::Different);
    EXPECT_EQ(panel.rows, expected.rows);
    EXPECT_EQ(panel.lengthVerdict, expected.lengthVerdict);
    EXPECT_EQ(panel.differenceSummary, expected.differenceSummary);
    EXPECT_EQ(outcome == CompareOutcome::Same, expected.same);
}

} // namespace

TEST(Differential, DifferingStretchesLeaveOutsideThemOnlyWhatTheModelCallsEqual) {
    struct Case {
        std::string_view line1;
        std::string_view line2;
        TextRules rules;
        DifferingStretch stretch;
    };
    for (const Case& test : {
             Case{"abcdef", "abXdef", {}, {2, 3, 2, 3}},
             Case{"key\tvalue", "key  value", {}, {3, 4, 3, 5}},
             Case{"Same  words here", "same words there", {true, true}, {12, 12, 11, 12}},
             Case{"\x83\x65x", "\x83\x41x", {true, false}, {0, 2, 0, 2}},
             Case{"ab", "abc", {}, {2, 2, 2, 3}},
         })
        EXPECT_EQ(FindDifferingStretch(test.line1, test.line2, test.rules), test.stretch)
            << test.line1 << " | " << test.line2;

    Random random(20261208);
    for (int pair = 0; pair < 20000 && !HasFailure(); ++pair) {
        const std::string line1 = RandomLine(random);
        std::string line2 = ChangedText(random, line1);
        line2.erase(std::remove(line2.begin(), line2.end(), '\n'), line2.end());
        const TextRules rules{Below(random, 2) == 0, Below(random, 2) == 0};
        const reference::TextOptions modelOptions{rules.foldCase, rules.compressBlanks};
        if (reference::LinesEqual(line1, line2, modelOptions))
            continue;
        const DifferingStretch stretch = FindDifferingStretch(line1, line2, rules);
        SCOPED_TRACE(line1 + " | " + line2);
        ASSERT_LE(stretch.begin1, stretch.end1);
        ASSERT_LE(stretch.begin2, stretch.end2);
        ASSERT_LE(stretch.end1, line1.size());
        ASSERT_LE(stretch.end2, line2.size());
        EXPECT_TRUE(stretch.begin1 < stretch.end1 || stretch.begin2 < stretch.end2);
        const std::string_view view1 = line1;
        const std::string_view view2 = line2;
        EXPECT_TRUE(reference::LinesEqual(view1.substr(0, stretch.begin1),
                                          view2.substr(0, stretch.begin2), modelOptions));
        EXPECT_TRUE(reference::LinesEqual(view1.substr(stretch.end1), view2.substr(stretch.end2),
                                          modelOptions));
    }
}

TEST(Differential, TextRunsAgreeWithTheReferenceModel) {
    TempDir dir;
    Random random(20261207);
    for (int pair = 0; pair < 3000 && !HasFailure(); ++pair) {
        const std::string text1 = RandomText(random);
        const std::string text2 = ChangedText(random, text1);
        const TextRules rules{Below(random, 2) == 0, Below(random, 2) == 0};
        const auto [tuning, access] = RandomSetup(random);
        const auto path1 = dir.Write("a.txt", text1);
        const auto path2 = dir.Write("b.txt", text2);
        MemoryResultPanel panel;
        const CompareOutcome outcome =
            RunTextCompare(panel, path1, path2, rules, tuning, access).outcome;
        SCOPED_TRACE("pair " + std::to_string(pair));
        ExpectAgreement(panel, outcome,
                        reference::CompareText(text1, text2, path1, path2,
                                               {rules.foldCase, rules.compressBlanks},
                                               {tuning.byteLimit, tuning.lineLimit}));
    }
}

TEST(Differential, BinaryRunsAgreeWithTheReferenceModel) {
    TempDir dir;
    Random random(7122026);
    for (int pair = 0; pair < 1500 && !HasFailure(); ++pair) {
        const auto [tuning, access] = RandomSetup(random);
        // A few hundred windows at most: each costs a few system calls.
        const std::size_t size =
            Below(random, std::min<std::size_t>(40'000, 300 * tuning.windowSize));
        const std::string bytes1 = RandomBytes(random, size);
        const std::string bytes2 = ChangedBytes(random, bytes1);
        MemoryResultPanel panel;
        const CompareOutcome outcome = RunBinaryCompare(panel, dir.Write("a.bin", bytes1),
                                                        dir.Write("b.bin", bytes2), tuning, access)
                                           .outcome;
        SCOPED_TRACE("pair " + std::to_string(pair));
        ExpectAgreement(
            panel, outcome,
            reference::CompareBinary(bytes1, bytes2, {tuning.byteLimit, tuning.lineLimit}));
    }
}

// With the limits as they are, which need large inputs to reach.
TEST(Differential, RunsAgreeWithTheModelAtTheDefaultLimits) {
    TempDir dir;
    const auto compareBinary = [&](const std::string& bytes1, const std::string& bytes2) {
        MemoryResultPanel panel;
        const auto outcome =
            RunBinaryCompare(panel, dir.Write("a.bin", bytes1), dir.Write("b.bin", bytes2)).outcome;
        ExpectAgreement(panel, outcome, reference::CompareBinary(bytes1, bytes2));
    };
    const std::string zeros(20000, '\0');
    compareBinary(zeros, std::string(10000, '\1') + std::string(10000, '\0'));
    compareBinary(zeros, std::string(10001, '\1') + std::string(9999, '\0') + "longer");
    compareBinary(std::string(600000, 'a'), std::string(524287, 'a') + "b");

    const TextRules folded{.foldCase = true};
    const auto compareText = [&](const std::string& bytes1, const std::string& bytes2) {
        MemoryResultPanel panel;
        const auto outcome =
            RunTextCompare(panel, dir.Write("a.txt", bytes1), dir.Write("b.txt", bytes2), folded)
                .outcome;
        ExpectAgreement(panel, outcome,
                        reference::CompareText(bytes1, bytes2, dir.PathOf("a.txt"),
                                               dir.PathOf("b.txt"), {true, false}));
    };
    compareText(NumberedLines(4000, "x"), NumberedLines(4000, "y"));
    compareText(NumberedLines(4001, "x") + "one more\n", NumberedLines(4001, "y"));
    compareText(NumberedLines(4001, "x"), NumberedLines(4001, "y") + "more\nlines");
    compareText(std::string(300000, 'a') + "\nb\n", std::string(300000, 'A') + "\nB");
}
