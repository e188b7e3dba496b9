#include "compare/ByteKernels.h"

#include "compare/ByteKernelSet.h"

#include <atomic>

namespace {
constexpr const ByteKernelSet* kSets[] = {
#if defined(__x86_64__)
    &kAvx512ByteKernels,
    &kAvx2ByteKernels,
    &kSse2ByteKernels,
#endif
    &kScalarByteKernels,
};

// Chosen on first use rather than by a static constructor, so that callers in other static
// constructors find it ready; choosing twice in a race is harmless.
constinit std::atomic<const ByteKernelSet*> chosen{nullptr};
} // namespace

std::span<const ByteKernelSet* const> ByteKernelSets() {
    return kSets;
}

const ByteKernelSet& ChosenByteKernels() {
    const ByteKernelSet* set = chosen.load(std::memory_order_relaxed);
    if (set == nullptr) {
        for (const ByteKernelSet* candidate : kSets) {
            if (candidate->runsHere()) {
                set = candidate;
                break;
            }
        }
        chosen.store(set, std::memory_order_relaxed);
    }
    return *set;
}

std::size_t FirstDifference(const char* a, const char* b, std::size_t n) {
    return ChosenByteKernels().firstDifference(a, b, n);
}

EqualText ScanEqualText(const char* a, const char* b, std::size_t n, TextRules rules,
                        unsigned char previousByte) {
    return ChosenByteKernels().scanEqualText(a, b, n, rules, previousByte);
}

std::size_t CountLineFeeds(const char* p, std::size_t n) {
    return ChosenByteKernels().countLineFeeds(p, n);
}

void WalkText(const char* a, std::size_t n1, const char* b, std::size_t n2, TextRules rules,
              TextWalk& walk) {
    ChosenByteKernels().walkText(a, n1, b, n2, rules, walk);
}
