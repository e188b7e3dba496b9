#include "compare/TextCompare.h"

#include "compare/ByteKernels.h"
#include "compare/DifferenceTexts.h"
#include "compare/DisplayName.h"
#include "compare/FilePair.h"
#include "compare/LineMatcher.h"
#include "compare/ResultPanel.h"
#include "compare/SecondCore.h"
#include "compare/TextStream.h"
#include "platform/files/PageFaultGuard.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <system_error>
#include <thread>

namespace {

std::string_view LineCountVerdict(std::int64_t lines1, std::int64_t lines2) {
    if (lines1 > lines2)
        return "File1 が File2 より行数が多い";
    if (lines1 == lines2)
        return "File1 と File2 の行数は同じ";
    return "File2 が File1 より行数が多い";
}

bool IsBlank(char byte) {
    return byte == ' ' || byte == '\t';
}

constexpr std::uint64_t kOnes = 0x0101010101010101;

// The top bit of each byte of the word that is `byte`, and no other.
std::uint64_t BytesEqualTo(std::uint64_t word, unsigned char byte) {
    const std::uint64_t other = word ^ (kOnes * byte);
    return ~(((other & (kOnes * 0x7F)) + kOnes * 0x7F) | other) & (kOnes * 0x80);
}

// Byte positions within a word, in memory order.
constexpr bool kLittleEndian = std::endian::native == std::endian::little;

std::size_t FirstByteWithBit(std::uint64_t bits) {
    return static_cast<std::size_t>(kLittleEndian ? std::countr_zero(bits)
                                                  : std::countl_zero(bits)) /
           8;
}

std::size_t LastByteWithBit(std::uint64_t bits) {
    return 7 - static_cast<std::size_t>(kLittleEndian ? std::countl_zero(bits)
                                                      : std::countr_zero(bits)) /
                   8;
}

std::uint64_t FirstBytes(std::size_t count) {
    if (count == 8)
        return ~std::uint64_t{0};
    const std::uint64_t low = (std::uint64_t{1} << (8 * count)) - 1;
    return kLittleEndian ? low : ~(~std::uint64_t{0} >> (8 * count));
}

// The equal start of two ranges, looked at eight bytes at a time for a few words: between runs
// of blanks the streams agree for a few dozen bytes only, too few to pay for the vector scan.
EqualText EqualWords(const char* a, const char* b, std::size_t n) {
    constexpr int kWords = 8;
    EqualText text{0, 0, EqualText::kNoLineFeed};
    for (int word = 0; word < kWords && n - text.length >= 8; ++word) {
        std::uint64_t word1;
        std::uint64_t word2;
        std::memcpy(&word1, a + text.length, sizeof word1);
        std::memcpy(&word2, b + text.length, sizeof word2);
        const std::uint64_t differ = word1 ^ word2;
        const std::size_t equal = differ ? FirstByteWithBit(differ) : 8;
        if (const std::uint64_t lineFeeds = BytesEqualTo(word1, '\n') & FirstBytes(equal)) {
            // One bit a byte: a multiplication adds them up, with no call to count bits.
            text.lineFeeds += static_cast<std::size_t>(((lineFeeds >> 7) * kOnes) >> 56);
            text.afterLastLineFeed = text.length + LastByteWithBit(lineFeeds) + 1;
        }
        text.length += equal;
        if (differ)
            break;
    }
    return text;
}

// How far a walk of two streams' bytes got, and what it passed on the way.
struct Walk {
    std::size_t at1 = 0;
    std::size_t at2 = 0;
    std::size_t lineFeeds = 0;
    std::size_t lineStart1 = 0; // just past the last line feed passed, where there was one
    std::size_t lineStart2 = 0;
    unsigned char previous = '\n'; // the byte before at1
    bool disagree = false;         // stopped where only the whole line pair can tell
};

// Moves the walk past a stretch that agrees.
void Pass(Walk& walk, const char* bytes1, const EqualText& stretch) {
    if (stretch.lineFeeds > 0) {
        walk.lineFeeds += stretch.lineFeeds;
        walk.lineStart1 = walk.at1 + stretch.afterLastLineFeed;
        walk.lineStart2 = walk.at2 + stretch.afterLastLineFeed;
    }
    if (stretch.length > 0)
        walk.previous = static_cast<unsigned char>(bytes1[walk.at1 + stretch.length - 1]);
    walk.at1 += stretch.length;
    walk.at2 += stretch.length;
}

// The length of the run of blanks and tabs at the start of a range, found a word at a time: runs
// come in every length, and a branch per byte would guess their ends wrong.
std::size_t BlankRun(const char* bytes, std::size_t n) {
    std::size_t at = 0;
    for (; n - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        const std::uint64_t others =
            ~(BytesEqualTo(word, ' ') | BytesEqualTo(word, '\t')) & (kOnes * 0x80);
        if (others)
            return at + FirstByteWithBit(others);
    }
    while (at < n && IsBlank(bytes[at]))
        ++at;
    return at;
}

// Whether the walk stands where compression makes both streams one blank: a run of blanks that
// is longer on one side, or blanks against tabs.
bool AtBlankRuns(const Walk& walk, const char* bytes1, const char* bytes2) {
    const bool blank1 = IsBlank(bytes1[walk.at1]);
    const bool blank2 = IsBlank(bytes2[walk.at2]);
    const bool afterBlank = walk.previous == ' ' || walk.previous == '\t';
    return (blank1 && blank2) || (afterBlank && (blank1 || blank2));
}

// Walks the bytes of both streams side by side while they agree: equal bytes, letters that
// differ only in case where the fast fold takes them, and runs of blanks of any length where
// compression makes each one blank. Stops where either range ends or the streams disagree
// otherwise. Touches nothing but the bytes and the walk, so it may be abandoned at a fault.
void WalkAgreeing(const char* bytes1, std::size_t size1, const char* bytes2, std::size_t size2,
                  bool compressBlanks, bool foldCase, Walk& walk) {
    for (;;) {
        std::size_t count = std::min(size1 - walk.at1, size2 - walk.at2);
        const EqualText words = EqualWords(bytes1 + walk.at1, bytes2 + walk.at2, count);
        Pass(walk, bytes1, words);
        count -= words.length;
        const bool differ = count > 0 && bytes1[walk.at1] != bytes2[walk.at2];
        if (!differ || !compressBlanks || !AtBlankRuns(walk, bytes1, bytes2)) {
            // A long stretch, or a difference that folding may take: the vector scan.
            const EqualText run =
                ScanEqualText(bytes1 + walk.at1, bytes2 + walk.at2, count, foldCase, walk.previous);
            Pass(walk, bytes1, run);
            if (run.length == count)
                return;
            if (!compressBlanks || !AtBlankRuns(walk, bytes1, bytes2)) {
                walk.disagree = true;
                return;
            }
        }
        walk.at1 += BlankRun(bytes1 + walk.at1, size1 - walk.at1);
        walk.at2 += BlankRun(bytes2 + walk.at2, size2 - walk.at2);
        walk.previous = ' ';
    }
}

// One comparison of two open files. Both files are walked side by side as streams of bytes while
// they agree, counting line feeds; only where they disagree is the line pair matched whole.
class TextRun {
public:
    TextRun(ResultPanel& panel, const CFile& file1, const CFile& file2, std::string heading1,
            std::string heading2, const CompareSettings& settings, const CompareTuning& tuning)
        : panel_(panel), stream1_(file1, tuning), stream2_(file2, tuning),
          heading1_(std::move(heading1)), heading2_(std::move(heading2)),
          foldCase_(settings.matchCase == 0), compressBlanks_(settings.compressBlanks == 1),
          matcher_(TextOptions{foldCase_, compressBlanks_}), unit_{"行", tuning.lineLimit},
          stopAtFirstDifference_(tuning.stopAtFirstDifference),
          useSecondCore_(tuning.workers == 2 || (tuning.workers == 0 && SecondCoreFree())) {}

    CompareOutcome Run();

private:
    std::optional<Side> WalkWhileEqual(bool& disagree);
    std::optional<Side> MatchLinePair(bool& goOn);
    std::optional<Side> ListLinePair(std::int64_t end1, std::int64_t end2);
    std::optional<Side> AddLine(TextStream& stream, Side side, std::int64_t end);
    std::optional<Side> CountTheRest();
    CompareOutcome Finish();

    Side Blame(const void* fault) const {
        return stream2_.Window().Holds(fault) ? Side::File2 : Side::File1;
    }

    ResultPanel& panel_;
    TextStream stream1_;
    TextStream stream2_;
    const std::string heading1_;
    const std::string heading2_;
    const bool foldCase_;
    const bool compressBlanks_;
    LineMatcher matcher_;
    const DifferenceUnit unit_;
    const bool stopAtFirstDifference_;
    const bool useSecondCore_;
    std::int64_t lineNumber_ = 1;
    std::int64_t lines1_ = 0;
    std::int64_t lines2_ = 0;
    std::int64_t differences_ = 0;
    unsigned char previous_ = '\n'; // the byte before the streams' positions
    bool limitPassed_ = false;
};

CompareOutcome TextRun::Run() {
    for (bool goOn = true; goOn;) {
        // File1 is always read first.
        const auto status1 = stream1_.Fill();
        if (status1 == TextStream::Status::Failed)
            return CompareOutcome::File1Failed;
        const auto status2 = stream2_.Fill();
        if (status2 == TextStream::Status::Failed)
            return CompareOutcome::File2Failed;
        std::optional<Side> failed;
        bool disagree = true;
        if (status1 != TextStream::Status::End && status2 != TextStream::Status::End)
            failed = WalkWhileEqual(disagree);
        if (!failed && disagree)
            failed = MatchLinePair(goOn);
        if (failed)
            return FailureOf(*failed);
    }
    if (limitPassed_ && !stopAtFirstDifference_)
        if (const auto failed = CountTheRest())
            return FailureOf(*failed);
    return Finish();
}

std::optional<Side> TextRun::WalkWhileEqual(bool& disagree) {
    const char* const bytes1 = stream1_.Here();
    const char* const bytes2 = stream2_.Here();
    const std::size_t size1 = stream1_.Available();
    const std::size_t size2 = stream2_.Available();
    Walk walk{};
    walk.previous = previous_;
    if (const void* fault = RunGuarded(
            [&] { WalkAgreeing(bytes1, size1, bytes2, size2, compressBlanks_, foldCase_, walk); }))
        return Blame(fault);
    const auto lineFeeds = static_cast<std::int64_t>(walk.lineFeeds);
    lineNumber_ += lineFeeds;
    lines1_ += lineFeeds;
    lines2_ += lineFeeds;
    const std::int64_t base1 = stream1_.Position();
    const std::int64_t base2 = stream2_.Position();
    if (lineFeeds > 0) {
        stream1_.StartLineAt(base1 + static_cast<std::int64_t>(walk.lineStart1));
        stream2_.StartLineAt(base2 + static_cast<std::int64_t>(walk.lineStart2));
    }
    stream1_.MoveTo(base1 + static_cast<std::int64_t>(walk.at1));
    stream2_.MoveTo(base2 + static_cast<std::int64_t>(walk.at2));
    previous_ = walk.previous;
    disagree = walk.disagree;
    return std::nullopt;
}

// Matches the current line pair whole, lists it when it differs and moves both streams to the
// next line; goOn turns false when a file has no line left or the listing is over.
std::optional<Side> TextRun::MatchLinePair(bool& goOn) {
    TextStream::LineEnd end1{};
    TextStream::LineEnd end2{};
    if (stream1_.FindLineEnd(end1) == TextStream::Status::Failed)
        return Side::File1;
    if (stream2_.FindLineEnd(end2) == TextStream::Status::Failed)
        return Side::File2;
    const bool has1 = end1.lineFeed || end1.offset > stream1_.LineStart();
    const bool has2 = end2.lineFeed || end2.offset > stream2_.LineStart();
    if (!has1 || !has2) {
        // The last pair: a line of the file that goes on is counted, not compared.
        lines1_ += has1;
        lines2_ += has2;
        goOn = false;
        return std::nullopt;
    }
    std::int64_t text1 = end1.offset;
    std::int64_t text2 = end2.offset;
    bool equal = false;
    if (const void* fault = RunGuarded([&] {
            // A CR directly before the line feed belongs to the line end.
            if (end1.lineFeed && text1 > stream1_.LineStart() && *stream1_.At(text1 - 1) == '\r')
                --text1;
            if (end2.lineFeed && text2 > stream2_.LineStart() && *stream2_.At(text2 - 1) == '\r')
                --text2;
            equal = matcher_.Equal({stream1_.At(stream1_.LineStart()),
                                    static_cast<std::size_t>(text1 - stream1_.LineStart())},
                                   {stream2_.At(stream2_.LineStart()),
                                    static_cast<std::size_t>(text2 - stream2_.LineStart())});
        }))
        return Blame(fault);
    ++lines1_;
    ++lines2_;
    if (!equal) {
        if (stopAtFirstDifference_) {
            differences_ = 1;
            goOn = false;
            return std::nullopt;
        }
        if (const auto failed = ListLinePair(text1, text2))
            return failed;
    }
    ++lineNumber_;
    stream1_.StartLineAt(end1.offset + (end1.lineFeed ? 1 : 0));
    stream2_.StartLineAt(end2.offset + (end2.lineFeed ? 1 : 0));
    previous_ = '\n';
    if (!equal && ++differences_ > unit_.limit) {
        panel_.AddRow(OverLimitRow(unit_));
        limitPassed_ = true;
        goOn = false;
    }
    return std::nullopt;
}

std::optional<Side> TextRun::ListLinePair(std::int64_t end1, std::int64_t end2) {
    panel_.AddRow(std::to_string(lineNumber_) + " 行");
    panel_.AddRow(heading1_);
    if (const auto failed = AddLine(stream1_, Side::File1, end1))
        return failed;
    panel_.AddRow(heading2_);
    if (const auto failed = AddLine(stream2_, Side::File2, end2))
        return failed;
    panel_.AddRow("");
    return std::nullopt;
}

// Lists the current line of a stream as read; a line that cannot be held fails its file.
std::optional<Side> TextRun::AddLine(TextStream& stream, Side side, std::int64_t end) {
    try {
        std::string line;
        if (stream.MoveOut(stream.LineStart(), end, line) == TextStream::Status::Failed)
            return side;
        panel_.AddRow(line);
    } catch (const std::bad_alloc&) {
        return side;
    }
    return std::nullopt;
}

// Counts what remains of one file's lines; the status of its last step, End or Failed.
TextStream::Status CountToTheEnd(TextStream& stream, TextStream::LineCount& count) {
    TextStream::Status status;
    while ((status = stream.CountOn(count)) == TextStream::Status::Ok) {
    }
    return status;
}

// Counts the lines that remain in both files, on two cores at once where a second one is free:
// one core reads a single file more slowly than two files side by side.
std::optional<Side> TextRun::CountTheRest() {
    TextStream::LineCount rest1;
    TextStream::LineCount rest2;
    TextStream::Status end1;
    TextStream::Status end2 = TextStream::Status::End;
    std::thread second;
    if (useSecondCore_) {
        try {
            second = std::thread([&] { end2 = CountToTheEnd(stream2_, rest2); });
        } catch (const std::system_error&) {
        }
    }
    end1 = CountToTheEnd(stream1_, rest1);
    if (second.joinable())
        second.join();
    else
        end2 = CountToTheEnd(stream2_, rest2);
    if (end1 == TextStream::Status::Failed)
        return Side::File1;
    if (end2 == TextStream::Status::Failed)
        return Side::File2;
    lines1_ += rest1.Lines();
    lines2_ += rest2.Lines();
    return std::nullopt;
}

CompareOutcome TextRun::Finish() {
    if (stopAtFirstDifference_ && differences_ > 0)
        return CompareOutcome::Different;
    panel_.SetLengthVerdict(LineCountVerdict(lines1_, lines2_));
    panel_.SetDifferenceSummary(DifferenceSummary(differences_, unit_));
    return differences_ == 0 && lines1_ == lines2_ ? CompareOutcome::Same
                                                   : CompareOutcome::Different;
}

} // namespace

CompareOutcome RunTextCompare(ResultPanel& panel, std::string path1, std::string path2,
                              const CompareSettings& settings, const CompareTuning& tuning) {
    CFile file1;
    CFile file2;
    if (const auto unopened = OpenBoth(file1, file2, path1, path2))
        return FailureOf(*unopened);
    try {
        return TextRun(panel, file1, file2, "******** " + DisplayName(path1),
                       "******** " + DisplayName(path2), settings, tuning)
            .Run();
    } catch (const std::bad_alloc&) {
        // Lines are held by their own file's stream, which answers for them; anything else that
        // runs out is charged to the first file.
        return CompareOutcome::File1Failed;
    }
}
