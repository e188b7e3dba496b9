#pragma once

// The byte scans written once over a vector of bytes; each instruction set's source includes this
// under its own target options with its own Lanes:
//   Vector: a GCC vector of unsigned char; HighBits(lanes): a bit per byte, its top bit;
//   CountBits(bits): the number of bits set; SumBytes(lanes): the sum of the bytes;
//   Shorter(): the set for ranges shorter than a Vector;
// and, where the walk compresses runs of blanks, Blanks64, Compress64 and NthSet (see
// kCompresses).
// Everything here has internal linkage, so that code compiled for one instruction set is never
// linked into callers of another. Include every header with inline functions before this one.

#include "compare/ByteKernelSet.h"

#include <cstddef>
#include <cstdint>

namespace {
template <class Lanes> struct SimdByteKernels {
    using Vector = typename Lanes::Vector;
    static constexpr std::size_t kWidth = sizeof(Vector);
    static constexpr std::uint32_t kAll = static_cast<std::uint32_t>((1ull << kWidth) - 1);

    static Vector Load(const char* at) {
        Vector lanes;
        __builtin_memcpy(&lanes, at, sizeof lanes);
        return lanes;
    }

    static std::uint32_t Below(std::size_t lane) {
        return static_cast<std::uint32_t>((1ull << lane) - 1);
    }

    static std::size_t FirstSet(std::uint32_t bits) { return __builtin_ctz(bits); }

    // How many of the whole blocks in `bytes` may count matches in byte lanes before the lanes
    // must be summed: a lane holds 255.
    static std::size_t CountableBlocks(std::size_t bytes) {
        return bytes / kWidth < 255 ? bytes / kWidth : 255;
    }

    // For searches: visits blocks of kWidth bytes from the start of n >= kWidth bytes until
    // visit(at) returns true. The last block is moved back to end at n; the lanes it shares with
    // the block before hold nothing new for a search.
    template <class Visit> static void ForEachBlock(std::size_t n, Visit visit) {
        std::size_t at = 0;
        for (; n - at >= kWidth; at += kWidth)
            if (visit(at))
                return;
        if (at < n)
            visit(n - kWidth);
    }

    static std::size_t FirstDifference(const char* a, const char* b, std::size_t n) {
        if (n < kWidth)
            return Lanes::Shorter().firstDifference(a, b, n);
        std::size_t found = n;
        ForEachBlock(n, [&](std::size_t at) {
            const std::uint32_t differ = ~Lanes::HighBits(Load(a + at) == Load(b + at)) & kAll;
            if (differ)
                found = at + FirstSet(differ);
            return differ != 0;
        });
        return found;
    }

    // Lanes where a and b hold one letter in its two cases.
    static auto LettersInTwoCases(Vector lanesA, Vector lanesB) {
        const Vector lower = lanesA | 0x20;
        return ((lanesA ^ lanesB) == 0x20) & ((lower - 'a') < 26);
    }

    // Skips the blocks from `at` on that are wholly equal, the common case: byte for byte, or
    // with folding also where letters differ in case after a byte below 0x80. Adds their line
    // feeds, counted in byte lanes (a match is -1, subtracted).
    static std::size_t SkipEqualBlocks(const char* a, const char* b, std::size_t at, std::size_t n,
                                       TextRules rules, std::size_t& lineFeeds) {
        for (;;) {
            const std::size_t start = at;
            const std::size_t end = at + CountableBlocks(n - at) * kWidth;
            Vector counts{};
            for (; at < end; at += kWidth) {
                const Vector lanesA = Load(a + at);
                const Vector lanesB = Load(b + at);
                const auto same = lanesA == lanesB;
                // The byte before the first block is not in the range: that block is left to
                // the caller.
                if (Lanes::HighBits(same) != kAll &&
                    (!rules.foldCase || at == 0 ||
                     Lanes::HighBits(same | (LettersInTwoCases(lanesA, lanesB) &
                                             (Load(a + at - 1) < 0x80))) != kAll))
                    break;
                counts -= (Vector)(lanesA == '\n');
            }
            if (at == start)
                return at;
            lineFeeds += Lanes::SumBytes(counts);
            if (at < end)
                return at;
        }
    }

    // The index of the last line feed among the first `length` bytes, which hold one.
    static std::size_t LastLineFeed(const char* p, std::size_t length) {
        for (; length >= kWidth; length -= kWidth) {
            const std::uint32_t found = Lanes::HighBits(Load(p + length - kWidth) == '\n');
            if (found)
                return length - kWidth + 31 - __builtin_clz(found);
        }
        while (p[--length] != '\n') {
        }
        return length;
    }

    static EqualText ScanEqualText(const char* a, const char* b, std::size_t n, TextRules rules,
                                   unsigned char previousByte) {
        if (n < kWidth)
            return Lanes::Shorter().scanEqualText(a, b, n, rules, previousByte);
        EqualText text{n, 0, EqualText::kNoLineFeed};
        // A block in which bytes differ, or the last; true when the stretch ends in it.
        const auto endsIn = [&](std::size_t at, std::uint32_t done) {
            const Vector lanesA = Load(a + at);
            const Vector lanesB = Load(b + at);
            std::uint32_t accepted = Lanes::HighBits(lanesA == lanesB);
            if (rules.foldCase && accepted != kAll) {
                const auto before = at > 0 ? static_cast<unsigned char>(a[at - 1]) : previousByte;
                const std::uint32_t afterHigh = (Lanes::HighBits(lanesA) << 1) | (before >> 7);
                accepted |= Lanes::HighBits(LettersInTwoCases(lanesA, lanesB)) & ~afterHigh;
            }
            const std::uint32_t stops = ~accepted & kAll;
            const std::uint32_t equal = stops ? Below(FirstSet(stops)) : kAll;
            text.lineFeeds += Lanes::CountBits(Lanes::HighBits(lanesA == '\n') & equal & ~done);
            if (stops)
                text.length = at + FirstSet(stops);
            return stops != 0;
        };
        std::size_t at = 0;
        bool ended = false;
        while (!ended && n - at >= kWidth) {
            at = SkipEqualBlocks(a, b, at, n, rules, text.lineFeeds);
            if (n - at >= kWidth) {
                ended = endsIn(at, 0);
                at += kWidth;
            }
        }
        if (!ended && at < n)
            endsIn(n - kWidth, Below(at - (n - kWidth)));
        // Found afterwards rather than tracked: where a block holds one is anyone's guess in
        // text, and a branch on it would cost more than this look back over the last line.
        if (text.lineFeeds > 0)
            text.afterLastLineFeed = LastLineFeed(a, text.length) + 1;
        return text;
    }

    static std::size_t CountLineFeeds(const char* p, std::size_t n) {
        if (n < kWidth)
            return Lanes::Shorter().countLineFeeds(p, n);
        std::size_t count = 0;
        std::size_t at = 0;
        // Each lane counts its own matches (a match is -1, subtracted), then the lanes are summed.
        while (n - at >= kWidth) {
            const std::size_t blocks = CountableBlocks(n - at);
            Vector counts{};
            for (std::size_t block = 0; block < blocks; ++block, at += kWidth)
                counts -= (Vector)(Load(p + at) == '\n');
            count += Lanes::SumBytes(counts);
        }
        const std::size_t last = n - kWidth;
        const std::uint32_t notCounted = ~Below(at - last);
        return count + Lanes::CountBits(Lanes::HighBits(Load(p + last) == '\n') & notCounted);
    }

    // Moves a walk past a stretch that agrees byte for byte, or with letters folded.
    static void Pass(TextWalk& walk, const char* a, const EqualText& stretch) {
        if (stretch.lineFeeds > 0) {
            walk.lineFeeds += stretch.lineFeeds;
            walk.lineStart1 = walk.at1 + stretch.afterLastLineFeed;
            walk.lineStart2 = walk.at2 + stretch.afterLastLineFeed;
        }
        if (stretch.length > 0)
            walk.previous = static_cast<unsigned char>(a[walk.at1 + stretch.length - 1]);
        walk.at1 += stretch.length;
        walk.at2 += stretch.length;
    }

    // The length of the run of set bits from bit 0.
    static std::size_t RunLength(std::uint32_t bits) {
        return static_cast<std::size_t>(__builtin_ctzll(~static_cast<unsigned long long>(bits)));
    }

    // Not the encoding module's: code included here is built for this instruction set alone.
    static bool IsBlank(char byte) { return byte == ' ' || byte == '\t'; }

    // Moves past a run of blanks found in the lanes, and past the rest of it beyond them.
    static void SkipRun(const char* bytes, std::size_t n, std::size_t& at, std::size_t run,
                        std::size_t inLanes) {
        at += run;
        if (run == inLanes)
            while (at < n && IsBlank(bytes[at]))
                ++at;
    }

    static std::uint32_t Blanks(Vector lanes) {
        return Lanes::HighBits((lanes == ' ') | (lanes == '\t'));
    }

    // Whether these lanes compress runs of blanks, sixty-four bytes at a time:
    //   Blanks64(p): a bit per byte from p, set for blanks and tabs;
    //   Compress64(p, kept, to): writes the bytes from p whose bit is set in kept to `to` in
    //   order, each blank as ' ', and may write 64 bytes;
    //   NthSet(bits, n): the index of set bit n (from 0) of a word.
    static constexpr bool kCompresses = requires(const char* p, unsigned char* to) {
        Lanes::Compress64(p, Lanes::Blanks64(p), to);
    };

    // How many bytes of each side are compressed at a time.
    static constexpr std::size_t kSegment = 1024;
    static constexpr std::size_t kSegmentWords = kSegment / 64;

    // A segment of one side with its runs of blanks written as one blank each, and which of its
    // bytes were kept, to find a kept byte's place again.
    struct CompressedSegment {
        unsigned char bytes[kSegment + 64]; // room for Compress64 to write 64 at the end
        std::uint64_t kept[kSegmentWords];
        std::size_t keptBefore[kSegmentWords]; // kept bytes in the words before each
        std::size_t length;

        // Compresses the kSegment bytes from p; a run of blanks that goes on from before them
        // (blankBefore) is left out, as the walk has passed it.
        CompressedSegment(const char* p, bool blankBefore) {
            std::uint64_t runGoesOn = blankBefore;
            std::size_t written = 0;
            for (std::size_t word = 0; word < kSegmentWords; ++word) {
                const std::uint64_t blanks = Lanes::Blanks64(p + word * 64);
                const std::uint64_t keep = ~(blanks & ((blanks << 1) | runGoesOn));
                runGoesOn = blanks >> 63;
                Lanes::Compress64(p + word * 64, keep, bytes + written);
                kept[word] = keep;
                keptBefore[word] = written;
                written += static_cast<std::size_t>(__builtin_popcountll(keep));
            }
            length = written;
        }

        // Where in the segment the kept byte `index` came from.
        std::size_t OffsetOf(std::size_t index) const {
            std::size_t word = 0;
            for (std::size_t later = 1; later < kSegmentWords; ++later)
                word += index >= keptBefore[later];
            return word * 64 + Lanes::NthSet(kept[word], index - keptBefore[word]);
        }
    };

    // Passes as much of a segment on each side as agrees with runs of blanks compressed, up to
    // the last byte that is no blank. That is the walk's rule: two texts agree under it where
    // they agree with each run of blanks as one blank, and a run that goes on from before left
    // out. False where it stopped short of a segment's end: the event there is PassEvent's.
    static bool PassSegment(const char* a, const char* b, TextRules rules, TextWalk& w) {
        const bool blankBefore = IsBlank(static_cast<char>(w.previous));
        const CompressedSegment segmentA(a + w.at1, blankBefore);
        const CompressedSegment segmentB(b + w.at2, blankBefore);
        const std::size_t compared =
            segmentA.length < segmentB.length ? segmentA.length : segmentB.length;
        const EqualText same = ScanEqualText(reinterpret_cast<const char*>(segmentA.bytes),
                                             reinterpret_cast<const char*>(segmentB.bytes),
                                             compared, rules, w.previous);
        // A blank last may stand for a run that goes on past the segment; there is one at most,
        // as no two blanks stand side by side in the compressed bytes.
        const std::size_t passed =
            same.length - (same.length > 0 && segmentA.bytes[same.length - 1] == ' ');
        if (passed == 0)
            return false;
        if (same.lineFeeds > 0) {
            const std::size_t last = same.afterLastLineFeed - 1;
            w.lineFeeds += same.lineFeeds;
            w.lineStart1 = w.at1 + segmentA.OffsetOf(last) + 1;
            w.lineStart2 = w.at2 + segmentB.OffsetOf(last) + 1;
        }
        w.previous = segmentA.bytes[passed - 1];
        w.at1 += segmentA.OffsetOf(passed - 1) + 1;
        w.at2 += segmentB.OffsetOf(passed - 1) + 1;
        return same.length == compared;
    }

    // Settles the first disagreement in the lanes at the walk's positions, or passes them whole
    // when they agree: a run of blanks on either side is skipped from the blank masks, and a run
    // that reaches past the lanes is followed to its end byte by byte. False where the texts
    // disagree otherwise.
    static bool PassEvent(const char* a, std::size_t n1, const char* b, std::size_t n2,
                          TextRules rules, TextWalk& w) {
        const Vector lanesA = Load(a + w.at1);
        const Vector lanesB = Load(b + w.at2);
        std::uint32_t stops = ~Lanes::HighBits(lanesA == lanesB) & kAll;
        std::uint32_t blanksA = 0;
        std::uint32_t blanksB = 0;
        if (stops) {
            blanksA = Blanks(lanesA);
            blanksB = Blanks(lanesB);
            // Folding is looked at only where the first difference is no blank.
            if (rules.foldCase && !((blanksA | blanksB) >> FirstSet(stops) & 1)) {
                const std::uint32_t afterHigh = (Lanes::HighBits(lanesA) << 1) | (w.previous >> 7);
                stops &= ~(Lanes::HighBits(LettersInTwoCases(lanesA, lanesB)) & ~afterHigh);
            }
        }
        const std::size_t agree = stops ? FirstSet(stops) : kWidth;
        const std::uint32_t lineFeeds = Lanes::HighBits(lanesA == '\n') & Below(agree);
        if (lineFeeds) {
            const std::size_t last = 31 - __builtin_clz(lineFeeds);
            w.lineFeeds += Lanes::CountBits(lineFeeds);
            w.lineStart1 = w.at1 + last + 1;
            w.lineStart2 = w.at2 + last + 1;
        }
        if (agree > 0)
            w.previous = static_cast<unsigned char>(a[w.at1 + agree - 1]);
        w.at1 += agree;
        w.at2 += agree;
        if (!stops)
            return true;
        blanksA >>= agree;
        blanksB >>= agree;
        if (!((blanksA & blanksB & 1) || (IsBlank(w.previous) && ((blanksA | blanksB) & 1))))
            return false;
        const std::size_t inLanes = kWidth - agree;
        SkipRun(a, n1, w.at1, RunLength(blanksA), inLanes);
        SkipRun(b, n2, w.at2, RunLength(blanksB), inLanes);
        w.previous = ' ';
        return true;
    }

    static void WalkText(const char* a, std::size_t n1, const char* b, std::size_t n2,
                         TextRules rules, TextWalk& walk) {
        if (!rules.compressBlanks) {
            const std::size_t n = n1 - walk.at1 < n2 - walk.at2 ? n1 - walk.at1 : n2 - walk.at2;
            const EqualText run =
                ScanEqualText(a + walk.at1, b + walk.at2, n, rules, walk.previous);
            Pass(walk, a, run);
            walk.disagree = run.length < n;
            return;
        }
        // In locals: the bytes are chars, which may alias the walk, so the walk's fields would
        // otherwise go to memory and back at every step.
        TextWalk w = walk;
        for (;;) {
            // Runs of blanks come every few dozen bytes: where the lanes can compress them, long
            // segments are compared in that form, and what one leaves is settled event by event.
            if constexpr (kCompresses)
                while (n1 - w.at1 >= kSegment && n2 - w.at2 >= kSegment &&
                       PassSegment(a, b, rules, w)) {
                }
            if (n1 - w.at1 < kWidth || n2 - w.at2 < kWidth)
                break;
            if (!PassEvent(a, n1, b, n2, rules, w)) {
                w.disagree = true;
                walk = w;
                return;
            }
        }
        walk = w;
        Lanes::Shorter().walkText(a, n1, b, n2, rules, walk);
    }

    static constexpr ByteKernelSet Set(const char* name, bool (*runsHere)()) {
        return {name, runsHere, FirstDifference, ScanEqualText, CountLineFeeds, WalkText};
    }
};
} // namespace
