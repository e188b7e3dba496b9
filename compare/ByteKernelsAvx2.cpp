// Thirty-two bytes at a time, on processors that have AVX2.
#if defined(__x86_64__)

#include "compare/ByteKernelSet.h"

#include <cstdint>
#include <immintrin.h>

namespace {
// Compiled for every processor: it decides whether the code below may run.
bool RunsWithAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
}
} // namespace

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,popcnt"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,popcnt")
#endif

#include "compare/ByteKernelsSimd.h"

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

constinit const ByteKernelSet kAvx2ByteKernels =
    SimdByteKernels<Avx2Lanes>::Set("avx2", RunsWithAvx2);

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
