// Sixteen bytes at a time, with the instructions every x86-64 processor has.
#if defined(__x86_64__)

#include "compare/ByteKernelSet.h"

#include <emmintrin.h>

#include "compare/ByteKernelsSimd.h"

namespace {
struct Sse2Lanes {
    typedef unsigned char Vector __attribute__((vector_size(16)));

    template <class Bytes> static std::uint32_t HighBits(Bytes bytes) {
        return static_cast<std::uint32_t>(_mm_movemask_epi8((__m128i)bytes));
    }

    // Without a population-count instruction, which not every processor of this set has.
    static std::uint32_t CountBits(std::uint32_t bits) {
        bits -= (bits >> 1) & 0x55555555u;
        bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
        bits = (bits + (bits >> 4)) & 0x0F0F0F0Fu;
        return (bits * 0x01010101u) >> 24;
    }

    static std::size_t SumBytes(Vector bytes) {
        typedef unsigned long long Sums __attribute__((vector_size(16)));
        const auto sums = (Sums)_mm_sad_epu8((__m128i)bytes, _mm_setzero_si128());
        return sums[0] + sums[1];
    }

    static const ByteKernelSet& Shorter() { return kScalarByteKernels; }
};

bool RunsOnEveryX86_64() {
    return true;
}
} // namespace

constinit const ByteKernelSet kSse2ByteKernels =
    SimdByteKernels<Sse2Lanes>::Set("sse2", RunsOnEveryX86_64);

#endif
