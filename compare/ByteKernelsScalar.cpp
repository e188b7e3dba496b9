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

    static EqualText ScanEqualText(const char* a, const char* b, std::size_t n, bool foldCase,
                                   unsigned char previousByte) {
        EqualText text{0, 0, EqualText::kNoLineFeed};
        for (; text.length < n; ++text.length) {
            const auto byteA = static_cast<unsigned char>(a[text.length]);
            const auto byteB = static_cast<unsigned char>(b[text.length]);
            const bool folds =
                foldCase && previousByte < 0x80 && LettersDifferOnlyInCase(byteA, byteB);
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
};
} // namespace

constinit const ByteKernelSet kScalarByteKernels{
    "scalar",
    ScalarByteKernels::RunsHere,
    ScalarByteKernels::FirstDifference,
    ScalarByteKernels::ScanEqualText,
    ScalarByteKernels::CountLineFeeds,
};
