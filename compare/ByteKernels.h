#pragma once

#include <cstddef>

// PROVISIONAL scalar stand-ins until the run-time-chosen kernels land.
std::size_t FirstDifference(const unsigned char* a, const unsigned char* b, std::size_t n);

struct EqualTextRun {
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::size_t length;
    std::size_t lineFeeds;
    std::size_t afterLastLineFeed;
};

EqualTextRun ScanEqualText(const unsigned char* a, const unsigned char* b, std::size_t n,
                           bool foldCase, unsigned char previousByte);
std::size_t CountLineFeeds(const unsigned char* p, std::size_t n);
std::size_t SkipBlanks(const unsigned char* p, std::size_t n);
