#include "LineMatcher.h"

#include "CaseFolding.h"
#include "CompressBlanks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {
// What the options mean, spelled out the slow way: normalise both copies, then compare.
bool ExpectedEqual(const std::string& line1, const std::string& line2, bool foldCase,
                   bool compressBlanks) {
    std::string work1 = line1;
    std::string work2 = line2;
    if (compressBlanks) {
        CompressBlanks(line1, work1);
        CompressBlanks(line2, work2);
    }
    if (foldCase) {
        FoldCase(work1);
        FoldCase(work2);
    }
    return work1 == work2;
}

// Every line of up to four bytes over letters, blanks and tabs.
std::vector<std::string> AllShortLines() {
    const std::string alphabet = "aAb \t";
    std::vector<std::string> lines{""};
    for (std::size_t begin = 0, length = 1; length <= 4; ++length) {
        const std::size_t end = lines.size();
        for (std::size_t at = begin; at < end; ++at)
            for (const char byte : alphabet)
                lines.push_back(lines[at] + byte);
        begin = end;
    }
    return lines;
}

struct Options {
    bool foldCase;
    bool compressBlanks;
};
constexpr Options kAllOptions[] = {{false, false}, {true, false}, {false, true}, {true, true}};
} // namespace

TEST(LineMatcher, AgreesWithNormalisedCopiesOnEveryShortLinePair) {
    const auto lines = AllShortLines();
    for (const auto options : kAllOptions) {
        LineMatcher matcher({options.foldCase, options.compressBlanks});
        for (const auto& line1 : lines)
            for (const auto& line2 : lines)
                ASSERT_EQ(matcher.Equal(line1, line2),
                          ExpectedEqual(line1, line2, options.foldCase, options.compressBlanks))
                    << '"' << line1 << "\" vs \"" << line2 << "\" fold " << options.foldCase
                    << " compress " << options.compressBlanks;
    }
}

TEST(LineMatcher, AgreesWithNormalisedCopiesOnLongLinesThatDifferLittle) {
    // Long lines take the eight-byte steps; small edits land on every position of a word.
    std::mt19937 random(20261207);
    const std::string alphabet = "abcXYZ  \t.\xE3\x81\x82";
    auto randomLine = [&](std::size_t length) {
        std::string line;
        for (std::size_t at = 0; at < length; ++at)
            line.push_back(alphabet[random() % alphabet.size()]);
        return line;
    };
    for (const auto options : kAllOptions) {
        LineMatcher matcher({options.foldCase, options.compressBlanks});
        for (int round = 0; round < 20000; ++round) {
            const std::string line1 = randomLine(random() % 40);
            std::string line2 = line1;
            for (int edits = static_cast<int>(random() % 3); edits > 0 && !line2.empty(); --edits) {
                const std::size_t at = random() % line2.size();
                switch (random() % 3) {
                case 0:
                    line2.insert(at, 1, alphabet[random() % alphabet.size()]);
                    break;
                case 1:
                    line2.erase(at, 1);
                    break;
                default:
                    line2[at] = static_cast<char>(line2[at] ^ 0x20);
                }
            }
            ASSERT_EQ(matcher.Equal(line1, line2),
                      ExpectedEqual(line1, line2, options.foldCase, options.compressBlanks))
                << '"' << line1 << "\" vs \"" << line2 << '"';
        }
    }
}

TEST(LineMatcher, ShiftJisSecondBytesStayUnfoldedAlsoWithBlanksCompressed) {
    // ヂ (83 61) and ア (83 41): not UTF-8, so the double-byte characters are respected.
    LineMatcher matcher({true, true});
    EXPECT_FALSE(matcher.Equal("\x83\x61  x", "\x83\x41 x"));
    EXPECT_TRUE(matcher.Equal("\x83\x61  x", "\x83\x61 X"));
}
