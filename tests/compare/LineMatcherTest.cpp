#include "compare/LineMatcher.h"

#include "tests/support/ReferenceText.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace std::string_literals;

namespace {
std::atomic<long> allocations{0};
} // namespace

// Counts every allocation of this test program, so that a test can see that none happened. The
// pair stays out of line: inlined, GCC would see a free() of what a new returned and warn.
[[gnu::noinline]] void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* memory) noexcept {
    std::free(memory);
}

[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {
// What the options mean, the slow way: compress blanks, fold case, then compare the copies.
bool ReferenceEqual(const std::string& line1, const std::string& line2, TextRules options) {
    return reference::LinesEqual(line1, line2, {options.foldCase, options.compressBlanks});
}

std::string EveryLetterInCapitals(std::string line) {
    for (char& byte : line)
        if (byte >= 'a' && byte <= 'z')
            byte = static_cast<char>(byte - 'a' + 'A');
    return line;
}

std::string Describe(const std::string& line1, const std::string& line2, TextRules options) {
    std::string text = "fold " + std::to_string(options.foldCase) + " compress " +
                       std::to_string(options.compressBlanks) + ":";
    for (const std::string* line : {&line1, &line2}) {
        text += " \"";
        for (const char byte : *line) {
            const auto value = static_cast<unsigned char>(byte);
            if (value >= 0x20 && value < 0x7F)
                text += byte;
            else
                text += "\\x" + std::string(1, "0123456789ABCDEF"[value >> 4]) +
                        "0123456789ABCDEF"[value & 15];
        }
        text += '"';
    }
    return text;
}

constexpr TextRules kAllOptions[] = {
    {.foldCase = false, .compressBlanks = false},
    {.foldCase = true, .compressBlanks = false},
    {.foldCase = false, .compressBlanks = true},
    {.foldCase = true, .compressBlanks = true},
};

// Lines of every kind the matcher must tell apart, each paired with variants that differ from it
// in the ways the options forgive, and in others.
class LinePairs {
public:
    explicit LinePairs(unsigned seed) : random_(seed) {}

    std::string Line() {
        const unsigned kind = Below(3); // plain ASCII, UTF-8, or Shift-JIS
        const std::size_t pieces = Below(4) == 0 ? Below(40) : Below(12);
        std::string line;
        for (std::size_t piece = 0; piece < pieces; ++piece) {
            switch (Below(kind == 0 ? 3 : 5)) {
            case 0:
                line += Letters();
                break;
            case 1:
                line += Blanks();
                break;
            case 2:
                line += Pick("0.,;@[`{\r\f\x7F");
                break;
            default:
                line += kind == 1 ? Utf8Character() : ShiftJisCharacter();
            }
        }
        return line;
    }

    std::string Variant(std::string line) {
        const unsigned flips = Below(4); // no letter, a few, many or all change case
        for (char& byte : line)
            if (((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z') && flips > 0 &&
                (flips == 3 || Below(flips * 4) == 0))
                byte = static_cast<char>(byte ^ 0x20);
        for (std::size_t at = 0; at < line.size(); ++at) {
            if ((line[at] == ' ' || line[at] == '\t') && Below(3) == 0) {
                std::size_t end = at;
                while (end < line.size() && (line[end] == ' ' || line[end] == '\t'))
                    ++end;
                const std::string blanks = Blanks();
                line.replace(at, end - at, blanks);
                at += blanks.size();
            }
        }
        switch (Below(8)) {
        case 0:
            line.insert(Below(line.size() + 1), 1, Byte());
            break;
        case 1:
            if (!line.empty())
                line.erase(Below(line.size()), 1);
            break;
        case 2:
            if (!line.empty())
                line[Below(line.size())] = Byte();
            break;
        case 3:
            line.insert(Below(2) ? line.size() : 0, Blanks());
            break;
        }
        return line;
    }

private:
    unsigned Below(std::size_t count) { return static_cast<unsigned>(random_() % count); }
    char Pick(std::string_view bytes) { return bytes[Below(bytes.size())]; }
    char Byte() { return static_cast<char>(Below(256)); }

    std::string Letters() {
        std::string letters;
        for (unsigned count = 1 + Below(6); count > 0; --count)
            letters += Pick("aAbBqQxXzZ");
        return letters;
    }

    std::string Blanks() {
        std::string blanks;
        for (unsigned count = 1 + Below(4); count > 0; --count)
            blanks += Pick("  \t");
        return blanks;
    }

    std::string Utf8Character() {
        const char* characters[] = {"\xC3\xA9", "\xC2\x81", "\xE3\x81\x82", "\xE3\x80\x80",
                                    "\xF0\x9F\x98\x80"};
        return characters[Below(std::size(characters))];
    }

    // A double-byte character, its second byte often a letter; or a byte that stands alone.
    std::string ShiftJisCharacter() {
        const char firsts[] = "\x81\x83\x9F\xE0\xFC";
        const char seconds[] = "\x40\x61\x41\x7A\x5A\x7E\x80\x81\x9F\xE0\xFC";
        if (Below(4) == 0)
            return std::string(1, Pick("\x80\xA0\xB1\xDF\xFD\xFF\x81"));
        return {Pick({firsts, sizeof firsts - 1}), Pick({seconds, sizeof seconds - 1})};
    }

    std::mt19937 random_;
};
} // namespace

TEST(LineMatcher, AgreesWithNormalisedCopiesOnRandomLinePairs) {
    LinePairs pairs(20261207);
    int equal[std::size(kAllOptions)] = {};
    for (int round = 0; round < 30000; ++round) {
        const std::string line1 = pairs.Line();
        const std::string line2 = round % 10 == 0 ? pairs.Line() : pairs.Variant(line1);
        for (std::size_t option = 0; option < std::size(kAllOptions); ++option) {
            const TextRules options = kAllOptions[option];
            const bool expected = ReferenceEqual(line1, line2, options);
            ASSERT_EQ(LineMatcher(options).Equal(line1, line2), expected)
                << Describe(line1, line2, options);
            ASSERT_EQ(LineMatcher(options).Equal(line2, line1), expected)
                << Describe(line2, line1, options);
            equal[option] += expected;
        }
    }
    // The pairs must put every option to work on both answers.
    for (const int count : equal) {
        EXPECT_GT(count, 3000);
        EXPECT_LT(count, 27000);
    }
}

TEST(LineMatcher, AgreesWithNormalisedCopiesOnEveryShortLinePair) {
    // Every line of up to four bytes over letters, blanks, tabs and a possible Shift-JIS first
    // byte.
    const std::string alphabet = "aA \t\x83";
    std::vector<std::string> lines{""};
    for (std::size_t begin = 0, length = 1; length <= 4; ++length) {
        const std::size_t end = lines.size();
        for (std::size_t at = begin; at < end; ++at)
            for (const char byte : alphabet)
                lines.push_back(lines[at] + byte);
        begin = end;
    }
    for (const TextRules options : kAllOptions) {
        const LineMatcher matcher(options);
        for (const auto& line1 : lines)
            for (const auto& line2 : lines)
                ASSERT_EQ(matcher.Equal(line1, line2), ReferenceEqual(line1, line2, options))
                    << Describe(line1, line2, options);
    }
}

TEST(LineMatcher, FoldsLettersAfterHighBytesByTheLinesReading) {
    const LineMatcher folding({.foldCase = true});
    const LineMatcher compressing({.foldCase = true, .compressBlanks = true});
    for (const LineMatcher* matcher : {&folding, &compressing}) {
        // ヂ (83 61) and ア (83 41): Shift-JIS second bytes stay as they are.
        EXPECT_FALSE(matcher->Equal("\x83\x61", "\x83\x41"));
        EXPECT_TRUE(matcher->Equal("\x83\x61 x", "\x83\x61 X"));
        // Two first bytes pair off, so the letter after them is a character of its own.
        EXPECT_TRUE(matcher->Equal("\x81\x81"
                                   "a",
                                   "\x81\x81"
                                   "A"));
        EXPECT_FALSE(matcher->Equal("\x81\x81\x81"
                                    "a",
                                    "\x81\x81\x81"
                                    "A"));
        // A line of UTF-8 folds every letter, also after a character of two bytes.
        EXPECT_TRUE(matcher->Equal("caf\xC3\xA9"
                                   "a",
                                   "CAF\xC3\xA9"
                                   "A"));
    }
    EXPECT_FALSE(compressing.Equal("\x83\x61  x", "\x83\x41 x"));
    EXPECT_TRUE(compressing.Equal("\x83\x61 \t x", "\x83\x61 X"));
}

TEST(LineMatcher, AllocatesNothingForLongLinesUnderEveryOption) {
    std::string line1;
    for (int word = 0; word < 100000; ++word)
        line1 += word % 7 == 0 ? "\t\xE3\x81\x82  " : "Word ";
    std::string line2 = line1;
    for (char& byte : line2)
        byte =
            byte == '\t' ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(byte)));
    bool equal[std::size(kAllOptions)];
    const long before = allocations;
    for (std::size_t option = 0; option < std::size(kAllOptions); ++option)
        equal[option] = LineMatcher(kAllOptions[option]).Equal(line1, line2);
    EXPECT_EQ(allocations - before, 0);
    for (std::size_t option = 0; option < std::size(kAllOptions); ++option)
        EXPECT_EQ(equal[option], ReferenceEqual(line1, line2, kAllOptions[option]));
}

TEST(LineMatcher, FoldsOnlyLettersThatAreCharactersOfTheirOwn) {
    // Each line and the same line with the letters that fold in capitals.
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"",                           ""},
        {"abc xyz ABC",                "ABC XYZ ABC"},
        {"`@[{az",                     "`@[{AZ"},
        {"a\0b"s,                      "A\0B"s},
        // Shift-JIS: the byte after a lead byte is its second byte.
        {"\x83\x61",                   "\x83\x61"},
        {"\x83\x61" "abc",             "\x83\x61" "ABC"},
        {"\x81\x7A" "z",               "\x81\x7A" "Z"},
        {"\x9F\x61\xE0\x61\xFC\x7A",   "\x9F\x61\xE0\x61\xFC\x7A"},
        {"\x80" "a\xA0" "a\xDF" "a\xFD" "a", "\x80" "A\xA0" "A\xDF" "A\xFD" "A"},
        {"\x81\x81" "a",               "\x81\x81" "A"},
        {"\x81\x81\x81" "a",           "\x81\x81\x81" "a"},
        {"\x81 a",                     "\x81 A"},
        {"a\x83",                      "A\x83"},
        // Valid UTF-8: every a-z is a character of its own.
        {"\xE3\x81\x82" "a",           "\xE3\x81\x82" "A"},
        {"\xC2\x81" "a",               "\xC2\x81" "A"},
        {"stra\xC3\x9F" "e",           "STRA\xC3\x9F" "E"},
    };
    // clang-format on
    const LineMatcher folding({.foldCase = true});
    for (const auto& [line, folded] : cases) {
        const std::string capitals = EveryLetterInCapitals(line);
        EXPECT_TRUE(folding.Equal(line, folded)) << Describe(line, folded, {true, false});
        EXPECT_EQ(folding.Equal(line, capitals), folded == capitals)
            << Describe(line, capitals, {true, false});
    }
}

TEST(LineMatcher, CompressesRunsOfBlanksAndTabsAndNothingElse) {
    const std::pair<std::string, std::string> equal[] = {
        {"", ""},
        {"\t", " "},
        {"a\t   b", "a b"},
        {"  a \t b\t\t", " a b "},
        {"a\0  \0b"s, "a\0\t\0b"s},
    };
    // A run counts as one blank, not as none; CR, form feed, vertical tab and the ideographic
    // spaces of Shift-JIS and UTF-8 are no blanks.
    const std::pair<std::string, std::string> different[] = {
        {" a", "a"},
        {"a ", "a"},
        {"a\rb", "a b"},
        {"a\fb", "a b"},
        {"a\vb", "a b"},
        {"a\x81\x40-b", "a -b"},
        {"a\xE3\x80\x80-b", "a -b"},
    };
    const LineMatcher compressing({.compressBlanks = true});
    for (const auto& [line1, line2] : equal)
        EXPECT_TRUE(compressing.Equal(line1, line2)) << Describe(line1, line2, {false, true});
    for (const auto& [line1, line2] : different)
        EXPECT_FALSE(compressing.Equal(line1, line2)) << Describe(line1, line2, {false, true});
}
