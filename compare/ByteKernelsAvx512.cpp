// The AVX2 lanes, and runs of blanks compressed sixty-four bytes at a time, on processors that
// have AVX-512 with byte compression (VBMI2).
#if defined(__x86_64__)

#include "compare/ByteKernelSet.h"

#include <cstdint>
#include <immintrin.h>

namespace {
// Compiled for every processor: it decides whether the code below may run.
bool RunsWithAvx512() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") &&
           __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("avx512f") &&
           __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
           __builtin_cpu_supports("avx512vbmi2");
}
} // namespace

#if defined(__clang__)
#pragma clang attribute push(                                                                      \
    __attribute__((target("avx2,popcnt,bmi2,avx512f,avx512bw,avx512vl,avx512vbmi2"))),             \
    apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,popcnt,bmi2,avx512f,avx512bw,avx512vl,avx512vbmi2")
#endif

#include "compare/ByteKernelsAvx2Lanes.h"
#include "compare/ByteKernelsSimd.h"

namespace {
// The AVX2 lanes with their compression in single instructions.
struct Avx512Lanes : Avx2Lanes {
    static std::uint64_t Blanks64(const char* p) {
        const __m512i bytes = _mm512_loadu_si512(p);
        return _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(' ')) |
               _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('\t'));
    }

    static void Compress64(const char* p, std::uint64_t kept, unsigned char* to) {
        const __m512i bytes = _mm512_loadu_si512(p);
        const __m512i spaced = _mm512_mask_mov_epi8(
            bytes, _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('\t')), _mm512_set1_epi8(' '));
        _mm512_storeu_si512(to, _mm512_maskz_compress_epi8(kept, spaced));
    }

    static std::size_t NthSet(std::uint64_t bits, std::size_t n) {
        return static_cast<std::size_t>(__builtin_ctzll(_pdep_u64(1ull << n, bits)));
    }
};
} // namespace

constinit const ByteKernelSet kAvx512ByteKernels =
    SimdByteKernels<Avx512Lanes>::Set("avx512", RunsWithAvx512);

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
