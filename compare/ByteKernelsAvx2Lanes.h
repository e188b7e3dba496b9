#pragma once

// Thirty-two bytes at a time with AVX2, and runs of blanks compressed eight bytes at a time,
// for ByteKernelsSimd.h; include it only where code is built for AVX2 and POPCNT, before that
// header.

#include "compare/ByteKernelSet.h"

#include <array>
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

    static std::uint64_t Blanks64(const char* p) {
        const auto blanksIn = [](const char* at) {
            const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
            return static_cast<std::uint32_t>(
                _mm256_movemask_epi8(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(' ')) |
                                     _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('\t'))));
        };
        return blanksIn(p) | std::uint64_t{blanksIn(p + 32)} << 32;
    }

    // For each mask of eight bytes, the indices of its set bits in order, a byte each, and 0x80
    // (which PSHUFB reads as zero) after them.
    static constexpr std::array<std::uint64_t, 256> kGatherIndices = [] {
        std::array<std::uint64_t, 256> indices{};
        for (unsigned mask = 0; mask < 256; ++mask) {
            std::uint64_t gather = 0x8080808080808080;
            unsigned filled = 0;
            for (unsigned bit = 0; bit < 8; ++bit) {
                if (mask >> bit & 1) {
                    const unsigned shift = 8 * filled++;
                    gather = (gather & ~(0xFFull << shift)) | std::uint64_t{bit} << shift;
                }
            }
            indices[mask] = gather;
        }
        return indices;
    }();

    // Eight bytes at a time, gathered by PSHUFB with indices from a table.
    static void Compress64(const char* p, std::uint64_t kept, unsigned char* to) {
        for (std::size_t at = 0; at < 64; at += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
            const __m128i spaced = _mm_blendv_epi8(bytes, _mm_set1_epi8(' '),
                                                   _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t')));
            const unsigned low = kept >> at & 0xFF;
            const unsigned high = kept >> (at + 8) & 0xFF;
            const __m128i gathered = _mm_shuffle_epi8(
                spaced,
                _mm_set_epi64x(static_cast<long long>(kGatherIndices[high] + 0x0808080808080808),
                               static_cast<long long>(kGatherIndices[low])));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(to), gathered);
            to += __builtin_popcount(low);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(to),
                             _mm_unpackhi_epi64(gathered, gathered));
            to += __builtin_popcount(high);
        }
    }

    // Without PDEP, which some processors of this set run slowly: narrowed by halves, then bit
    // by bit.
    static std::size_t NthSet(std::uint64_t bits, std::size_t n) {
        std::size_t at = 0;
        for (unsigned width = 32; width >= 8; width /= 2) {
            const auto below = static_cast<std::size_t>(
                __builtin_popcountll(bits & ((std::uint64_t{1} << width) - 1)));
            if (n >= below) {
                n -= below;
                bits >>= width;
                at += width;
            }
        }
        for (; n > 0; --n)
            bits &= bits - 1;
        return at + static_cast<std::size_t>(__builtin_ctzll(bits));
    }

    static const ByteKernelSet& Shorter() { return kSse2ByteKernels; }
};
} // namespace
