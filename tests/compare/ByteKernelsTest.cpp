#include "compare/ByteKernels.h"

#include "compare/ByteKernelSet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {
// The faster sets that this processor runs; each must agree with the scalar one.
std::vector<const ByteKernelSet*> FasterSetsThatRunHere() {
    std::vector<const ByteKernelSet*> sets;
    for (const ByteKernelSet* set : ByteKernelSets())
        if (set != &kScalarByteKernels && set->runsHere())
            sets.push_back(set);
    return sets;
}

// A copy of the bytes at the given distance past a 32-byte boundary, at the very end of its
// allocation, so that a scan that reads past its range trips the address sanitizer.
class Placed {
public:
    Placed(std::string_view bytes, std::size_t alignment)
        : storage_(static_cast<char*>(::operator new(alignment + bytes.size(), kAlignment))),
          data_(storage_.get() + alignment) {
        bytes.copy(data_, bytes.size());
    }
    char* data() const { return data_; }

private:
    static constexpr std::align_val_t kAlignment{32};
    struct Release {
        void operator()(char* storage) const { ::operator delete(storage, kAlignment); }
    };

    std::unique_ptr<char, Release> storage_;
    char* data_;
};

std::string RandomBytes(std::mt19937& random, std::string_view alphabet, std::size_t length) {
    std::string bytes;
    for (std::size_t at = 0; at < length; ++at)
        bytes.push_back(alphabet[random() % alphabet.size()]);
    return bytes;
}

void ExpectSame(const EqualText& found, const EqualText& wanted) {
    EXPECT_EQ(found.length, wanted.length);
    EXPECT_EQ(found.lineFeeds, wanted.lineFeeds);
    EXPECT_EQ(found.afterLastLineFeed, wanted.afterLastLineFeed);
}

constexpr TextRules kExact{};
constexpr TextRules kFolded{.foldCase = true};

constexpr std::size_t kLongest = 200;
constexpr std::size_t kLongestWalk = 3000;
} // namespace

TEST(ByteKernels, ScalarScansFindWhatTheySay) {
    const ByteKernelSet& scalar = kScalarByteKernels;
    EXPECT_EQ(scalar.firstDifference("abc", "abd", 3), 2u);
    EXPECT_EQ(scalar.firstDifference("abc", "abc", 3), 3u);
    EXPECT_EQ(scalar.firstDifference("", "", 0), 0u);

    ExpectSame(scalar.scanEqualText("ab\ncd\nX", "ab\ncd\nY", 8, kExact, 0), {6, 2, 6});
    ExpectSame(scalar.scanEqualText("ab", "ab", 2, kExact, 0), {2, 0, EqualText::kNoLineFeed});
    ExpectSame(scalar.scanEqualText("Hi\nzZ!", "hI\nZz?", 6, kFolded, 0), {5, 1, 3});
    ExpectSame(scalar.scanEqualText("Hi", "hI", 2, kExact, 0), {0, 0, EqualText::kNoLineFeed});
    // A letter after a byte of 0x80 or above may be a Shift-JIS second byte: never folded here.
    EXPECT_EQ(scalar
                  .scanEqualText("x\x83"
                                 "a",
                                 "x\x83"
                                 "A",
                                 3, kFolded, 0)
                  .length,
              2u);
    EXPECT_EQ(scalar
                  .scanEqualText("\x7F"
                                 "a",
                                 "\x7F"
                                 "A",
                                 2, kFolded, 0)
                  .length,
              2u);
    EXPECT_EQ(scalar.scanEqualText("a", "A", 1, kFolded, 0x80).length, 0u);
    EXPECT_EQ(scalar.scanEqualText("a", "A", 1, kFolded, 0x7F).length, 1u);
    // Only letters fold: these pairs also differ in the 0x20 bit alone.
    for (const char* other : {"@`", "[{", "^~", "\xC1\xE1"})
        EXPECT_EQ(scalar.scanEqualText(other, other + 1, 1, kFolded, 0).length, 0u) << other;

    EXPECT_EQ(scalar.countLineFeeds("\na\n\r\n", 5), 3u);
}

TEST(ByteKernels, FirstDifferenceAgreesWithScalarAtEveryLengthAlignmentAndPosition) {
    std::mt19937 random(4711);
    const std::string bytes = RandomBytes(random, "ab\n\x80\xFF", kLongest);
    for (const ByteKernelSet* set : FasterSetsThatRunHere()) {
        SCOPED_TRACE(set->name);
        for (std::size_t length = 0; length <= kLongest; ++length) {
            for (std::size_t alignment = 0; alignment < 32; ++alignment) {
                const std::string_view range(bytes.data(), length);
                const Placed a(range, alignment);
                for (std::size_t differing = 0; differing <= length; ++differing) {
                    std::string other(range);
                    if (differing < length)
                        other[differing] = static_cast<char>(other[differing] ^ 0x01);
                    const Placed b(other, (alignment * 7 + 3) % 32);
                    ASSERT_EQ(set->firstDifference(a.data(), b.data(), length), differing)
                        << "length " << length << " alignment " << alignment;
                }
            }
        }
    }
}

TEST(ByteKernels, ScanEqualTextAgreesWithScalarAtEveryLengthAndAlignment) {
    // Letters of both cases next to bytes of 0x80 and above, line feeds, and the non-letters
    // that differ from each other in the 0x20 bit alone.
    const std::string_view alphabet = "aAzZqQ@`[{\n\n \t\x80\x81\x83\xC1\xE1\xFF";
    std::mt19937 random(1207);
    for (const ByteKernelSet* set : FasterSetsThatRunHere()) {
        SCOPED_TRACE(set->name);
        for (std::size_t length = 0; length <= kLongest; ++length) {
            for (std::size_t round = 0; round < 32 * 6; ++round) {
                const std::string text = RandomBytes(random, alphabet, length);
                std::string other = text;
                const unsigned flips = random() % 4; // no letter's case, a few, many or all
                for (char& byte : other) {
                    const bool letter = (byte | 0x20) >= 'a' && (byte | 0x20) <= 'z';
                    if (letter && flips > 0 && (flips == 3 || random() % (flips * 8) == 0))
                        byte = static_cast<char>(byte ^ 0x20);
                }
                if (length > 0 && random() % 2 == 0)
                    other[random() % length] = alphabet[random() % alphabet.size()];
                const TextRules rules{.foldCase = random() % 4 != 0};
                const auto previous =
                    static_cast<unsigned char>("\0a\x7F\x80\x81\xFF"[random() % 6]);
                const Placed a(text, round % 32);
                const Placed b(other, random() % 32);
                ExpectSame(set->scanEqualText(a.data(), b.data(), length, rules, previous),
                           kScalarByteKernels.scanEqualText(text.data(), other.data(), length,
                                                            rules, previous));
                if (HasFailure())
                    FAIL() << '"' << text << "\" vs \"" << other << "\" fold " << rules.foldCase
                           << " previous " << int{previous};
            }
        }
    }
}

TEST(ByteKernels, WalkTextAgreesWithScalarUnderEveryRule) {
    // Runs of blanks and tabs of every length against each other and against other bytes, next
    // to letters of both cases, line feeds and bytes of 0x80 and above.
    // Every eighth text is long enough for several segments that are compressed whole, and
    // differs seldom.
    const std::string_view alphabet = "aAbB  \t\t   \n\n\x80\x83x.";
    std::mt19937 random(2412);
    for (const ByteKernelSet* set : FasterSetsThatRunHere()) {
        SCOPED_TRACE(set->name);
        for (int round = 0; round < 40'000; ++round) {
            const bool longText = round % 8 == 0;
            const std::string text =
                RandomBytes(random, alphabet, random() % (longText ? kLongestWalk : kLongest));
            const unsigned otherByteOnceIn = longText && random() % 2 == 0 ? 4000 : 40;
            // The other text: blanks and tabs traded and runs made longer or shorter, cases
            // swapped, now and then another byte.
            std::string other;
            for (const char byte : text) {
                if (byte == ' ' || byte == '\t')
                    other += std::string_view(" \t  \t ").substr(random() % 4, random() % 3);
                else if (random() % otherByteOnceIn == 0)
                    other += alphabet[random() % alphabet.size()];
                else
                    other += random() % 3 == 0 && ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z')
                                 ? static_cast<char>(byte ^ 0x20)
                                 : byte;
            }
            // Now and then a run longer than the lanes on one side.
            if (random() % 4 == 0 && !other.empty())
                other.insert(random() % other.size(),
                             std::string(16 + random() % (longText ? 300 : 50), ' '));
            const TextRules rules{random() % 2 == 0, random() % 4 != 0};
            TextWalk start;
            start.at1 = text.empty() ? 0 : random() % 3 % (text.size() + 1);
            start.at2 = std::min(start.at1, other.size());
            start.previous = static_cast<unsigned char>(" a\x80\n"[random() % 4]);
            const Placed a(text, random() % 32);
            const Placed b(other, random() % 32);
            TextWalk found = start;
            TextWalk wanted = start;
            set->walkText(a.data(), text.size(), b.data(), other.size(), rules, found);
            kScalarByteKernels.walkText(text.data(), text.size(), other.data(), other.size(), rules,
                                        wanted);
            EXPECT_EQ(found.at1, wanted.at1);
            EXPECT_EQ(found.at2, wanted.at2);
            EXPECT_EQ(found.lineFeeds, wanted.lineFeeds);
            EXPECT_EQ(found.lineStart1, wanted.lineStart1);
            EXPECT_EQ(found.lineStart2, wanted.lineStart2);
            EXPECT_EQ(found.previous, wanted.previous);
            EXPECT_EQ(found.disagree, wanted.disagree);
            if (HasFailure())
                FAIL() << '"' << text << "\" vs \"" << other << "\" fold " << rules.foldCase
                       << " compress " << rules.compressBlanks;
        }
    }
}

TEST(ByteKernels, CountLineFeedsAgreesWithScalarAtEveryLengthAndAlignment) {
    std::mt19937 random(31);
    for (const ByteKernelSet* set : FasterSetsThatRunHere()) {
        SCOPED_TRACE(set->name);
        for (std::size_t length = 0; length <= kLongest; ++length) {
            for (std::size_t alignment = 0; alignment < 32; ++alignment) {
                const std::string text = RandomBytes(random, "\n\nx \x8A", length);
                const Placed placed(text, alignment);
                ASSERT_EQ(set->countLineFeeds(placed.data(), length),
                          kScalarByteKernels.countLineFeeds(text.data(), length))
                    << '"' << text << '"';
            }
        }
    }
}

TEST(ByteKernels, LongRangesAgreeWithScalar) {
    // Long enough for any count that is held in a byte per lane to overflow unless summed in time.
    std::mt19937 random(7);
    for (const ByteKernelSet* set : FasterSetsThatRunHere()) {
        SCOPED_TRACE(set->name);
        for (const std::size_t length : {4095, 4096, 8160, 8161, 16321, 100003}) {
            const std::string lineFeeds(length, '\n');
            EXPECT_EQ(set->countLineFeeds(lineFeeds.data(), length), length);
            ExpectSame(set->scanEqualText(lineFeeds.data(), lineFeeds.data(), length, kExact, 0),
                       {length, length, length});
            // Text that differs in case throughout and in one byte near its end.
            const std::string text = RandomBytes(random, "ab\n  \xE3x", length);
            std::string other = text;
            for (char& byte : other)
                if (byte == 'a' && random() % 4 == 0)
                    byte = 'A';
            other[length - 1 - random() % 100] = 'y';
            for (const TextRules rules : {kExact, kFolded})
                ExpectSame(
                    set->scanEqualText(text.data(), other.data(), length, rules, 0),
                    kScalarByteKernels.scanEqualText(text.data(), other.data(), length, rules, 0));
        }
    }
}

TEST(ByteKernels, ThePublicScansUseASetThatRunsHere) {
    EXPECT_TRUE(ChosenByteKernels().runsHere());
    const std::string text = "  \tLine one\nline TWO\n\xE3\x81\x82 three\n" + std::string(40, 'x');
    std::string other = text;
    other[4] = 'I';
    other[text.size() - 1] = 'y';
    const std::size_t size = text.size();
    EXPECT_EQ(FirstDifference(text.data(), other.data(), size), 4u);
    ExpectSame(ScanEqualText(text.data(), other.data(), size, kFolded, 0),
               {size - 1, 3, text.find("x")});
    EXPECT_EQ(CountLineFeeds(text.data(), size), 3u);
}
