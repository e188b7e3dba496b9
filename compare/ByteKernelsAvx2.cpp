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

#include "compare/ByteKernelsAvx2Lanes.h"
#include "compare/ByteKernelsSimd.h"

constinit const ByteKernelSet kAvx2ByteKernels =
    SimdByteKernels<Avx2Lanes>::Set("avx2", RunsWithAvx2);

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
