#pragma once

// Thirty-two bytes at a time with AVX2, for ByteKernelsSimd.h; include it only where code is
// built for AVX2 and POPCNT, before that header.

#include "compare/ByteKernelSet.h"

#include <cstdint>
#include <immintrin.h>

namespace {
struct Avx2Lanes {
    typedef unsigned char Vector __attribute__((vector_size(32)));

    template <class Bytes> static std::uint32_t HighBits(Bytes bytes) {
        return static_cast<std::uint32_t>(_mm256_movemask_epi8((__m256i)bytes));
    }

    static std::uint32_t CountBits(std::uint32_t bits) { return __builtin_popcount(bits); }

    static std::size_t SumBytes(Vector bytes) {
        typedef unsigned long long Sums __attribute__((vector_size(32)));
        const auto sums = (Sums)_mm256_sad_epu8((__m256i)bytes, _mm256_setzero_si256());
        return sums[0] + sums[1] + sums[2] + sums[3];
    }

    static const ByteKernelSet& Shorter() { return kSse2ByteKernels; }
};
} // namespace
