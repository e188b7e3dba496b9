#pragma once

#include "compare/ByteKernels.h"

#include <span>

// The byte scans built for one instruction set, with the test whether this processor runs them.
struct ByteKernelSet {
    const char* name;
    bool (*runsHere)();
    std::size_t (*firstDifference)(const char* a, const char* b, std::size_t n);
    EqualText (*scanEqualText)(const char* a, const char* b, std::size_t n, TextRules rules,
                               unsigned char previousByte);
    std::size_t (*countLineFeeds)(const char* p, std::size_t n);
    void (*walkText)(const char* a, std::size_t n1, const char* b, std::size_t n2, TextRules rules,
                     TextWalk& walk);
};

// Byte by byte; builds and runs anywhere, and is what the others must agree with.
extern const ByteKernelSet kScalarByteKernels;

#if defined(__x86_64__)
extern const ByteKernelSet kSse2ByteKernels;
extern const ByteKernelSet kAvx2ByteKernels;
extern const ByteKernelSet kAvx512ByteKernels;
#endif

// Every set built for this architecture, fastest first; the last is the scalar one.
std::span<const ByteKernelSet* const> ByteKernelSets();

// The fastest set this processor runs, for callers that make many calls in a row.
const ByteKernelSet& ChosenByteKernels();
