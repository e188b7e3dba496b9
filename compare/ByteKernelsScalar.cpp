#include "compare/ByteKernelSet.h"

#include "encoding/AsciiText.h"

namespace {
struct ScalarByteKernels {
    static bool RunsHere() { return true; }

    static std::size_t FirstDifference(const char* a, const char* b, std::size_t n) {
        std::size_t at = 0;
        while (at < n && a[at] == b[at])
            ++at;
        return at;
    }

    static EqualText ScanEqualText(const char* a, const char* b, std::size_t n, TextRules rules,
                                   unsigned char previousByte) {
        EqualText text{0, 0, EqualText::kNoLineFeed};
        for (; text.length < n; ++text.length) {
            const auto byteA = static_cast<unsigned char>(a[text.length]);
            const auto byteB = static_cast<unsigned char>(b[text.length]);
            const bool folds =
                rules.foldCase && previousByte < 0x80 && LettersDifferOnlyInCase(byteA, byteB);
            if (byteA != byteB && !folds)
                break;
            if (byteA == '\n') {
                ++text.lineFeeds;
                text.afterLastLineFeed = text.length + 1;
            }
            previousByte = byteA;
        }
        return text;
    }

    static std::size_t CountLineFeeds(const char* p, std::size_t n) {
        std::size_t count = 0;
        for (std::size_t at = 0; at < n; ++at)
            count += p[at] == '\n';
        return count;
    }

    static void WalkText(const char* a, std::size_t n1, const char* b, std::size_t n2,
                         TextRules rules, TextWalk& walk) {
        while (walk.at1 < n1 && walk.at2 < n2) {
            const auto byteA = static_cast<unsigned char>(a[walk.at1]);
            const auto byteB = static_cast<unsigned char>(b[walk.at2]);
            const bool folds =
                rules.foldCase && walk.previous < 0x80 && LettersDifferOnlyInCase(byteA, byteB);
            if (byteA == byteB || folds) {
                if (byteA == '\n') {
                    ++walk.lineFeeds;
                    walk.lineStart1 = walk.at1 + 1;
                    walk.lineStart2 = walk.at2 + 1;
                }
                walk.previous = byteA;
                ++walk.at1;
                ++walk.at2;
                continue;
            }
            // Runs of blanks of other lengths, or blanks against tabs: one blank each.
            const bool blank1 = IsBlank(static_cast<char>(byteA));
            const bool blank2 = IsBlank(static_cast<char>(byteB));
            const bool blanks = (blank1 && blank2) ||
                                (IsBlank(static_cast<char>(walk.previous)) && (blank1 || blank2));
            if (!rules.compressBlanks || !blanks) {
                walk.disagree = true;
                return;
            }
            while (walk.at1 < n1 && IsBlank(a[walk.at1]))
                ++walk.at1;
            while (walk.at2 < n2 && IsBlank(b[walk.at2]))
                ++walk.at2;
            walk.previous = ' ';
        }
    }
};
} // namespace

constinit const ByteKernelSet kScalarByteKernels{
    "scalar",
    ScalarByteKernels::RunsHere,
    ScalarByteKernels::FirstDifference,
    ScalarByteKernels::ScanEqualText,
    ScalarByteKernels::CountLineFeeds,
    ScalarByteKernels::WalkText,
};
