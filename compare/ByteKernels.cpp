#include "ByteKernels.h"

#include <algorithm>
#include <cstring>

std::size_t FirstDifference(const unsigned char* a, const unsigned char* b, std::size_t n) {
    std::size_t at = 0;
    constexpr std::size_t kStep = 4096;
    while (at + kStep <= n && std::memcmp(a + at, b + at, kStep) == 0)
        at += kStep;
    while (at < n && a[at] == b[at])
        ++at;
    return at;
}

namespace {
bool IsLetter(unsigned char c) {
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}
} // namespace

EqualTextRun ScanEqualText(const unsigned char* a, const unsigned char* b, std::size_t n,
                           bool foldCase, unsigned char previousByte) {
    EqualTextRun run{0, 0, EqualTextRun::npos};
    std::size_t at = 0;
    for (; at < n; ++at) {
        const unsigned char x = a[at];
        const unsigned char y = b[at];
        if (x != y) {
            const unsigned char before = at ? a[at - 1] : previousByte;
            if (!(foldCase && (x ^ y) == 0x20 && IsLetter(x) && before < 0x80))
                break;
        }
        if (x == '\n') {
            ++run.lineFeeds;
            run.afterLastLineFeed = at + 1;
        }
    }
    run.length = at;
    return run;
}

std::size_t CountLineFeeds(const unsigned char* p, std::size_t n) {
    return static_cast<std::size_t>(std::count(p, p + n, '\n'));
}

std::size_t SkipBlanks(const unsigned char* p, std::size_t n) {
    std::size_t at = 0;
    while (at < n && (p[at] == ' ' || p[at] == '\t'))
        ++at;
    return at;
}
