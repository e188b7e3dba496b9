#include "compare/TextCompare.h"

#include "compare/ByteKernels.h"
#include "compare/DifferenceTexts.h"
#include "compare/DifferingStretch.h"
#include "compare/DisplayName.h"
#include "compare/FilePair.h"
#include "compare/LineMatcher.h"
#include "compare/ResultPanel.h"
#include "compare/RunCheckpoint.h"
#include "compare/SecondCore.h"
#include "compare/TextStream.h"
#include "platform/files/PageFaultGuard.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <future>
#include <new>
#include <optional>
#include <system_error>

namespace {

std::string_view LineCountVerdict(std::int64_t lines1, std::int64_t lines2) {
    if (lines1 > lines2)
        return "File1 が File2 より行数が多い";
    if (lines1 == lines2)
        return "File1 と File2 の行数は同じ";
    return "File2 が File1 より行数が多い";
}

// One comparison of two open files. Both files are walked side by side as streams of bytes while
// they agree, counting line feeds; only where they disagree is the line pair matched whole.
class TextRun {
public:
    TextRun(ResultPanel& panel, const CFile& file1, const CFile& file2, std::string heading1,
            std::string heading2, const CompareSettings& settings, const CompareTuning& tuning)
        : panel_(panel), checkpoint_(tuning.progress, file1.GetLength() + file2.GetLength()),
          stream1_(file1, tuning, &checkpoint_), stream2_(file2, tuning, &checkpoint_),
          heading1_(std::move(heading1)), heading2_(std::move(heading2)),
          foldCase_(settings.matchCase == 0), compressBlanks_(settings.compressBlanks == 1),
          matcher_(TextOptions{foldCase_, compressBlanks_}), unit_{"行", tuning.lineLimit},
          stopAtFirstDifference_(tuning.stopAtFirstDifference),
          useSecondCore_(tuning.workers == 2 || (tuning.workers == 0 && SecondCoreFree())) {}

    CompareOutcome Run();

private:
    CompareOutcome CompareAll();
    CompareOutcome Stop();
    std::optional<Side> WalkWhileEqual(bool& disagree);
    std::optional<Side> MatchLinePair(bool& goOn);
    std::optional<Side> ListLinePair(std::int64_t end1, std::int64_t end2);
    std::optional<Side> AddLine(TextStream& stream, Side side, std::int64_t end,
                                std::size_t markBegin, std::size_t markEnd);
    std::optional<Side> CountTheRest();
    CompareOutcome Finish();

    Side Blame(const void* fault) const {
        return stream2_.Window().Holds(fault) ? Side::File2 : Side::File1;
    }

    ResultPanel& panel_;
    RunCheckpoint checkpoint_;
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
    try {
        return CompareAll();
    } catch (const RunStopped&) {
        return Stop();
    }
}

CompareOutcome TextRun::CompareAll() {
    for (bool goOn = true; goOn;) {
        checkpoint_.Reached(stream1_.Position() + stream2_.Position());
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
    TextWalk walk;
    walk.previous = previous_;
    if (const void* fault = RunGuarded([&] {
            WalkText(bytes1, size1, bytes2, size2, {foldCase_, compressBlanks_}, walk);
        }))
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
    DifferingStretch stretch;
    if (const void* fault = RunGuarded([&] {
            stretch = FindDifferingStretch({stream1_.At(stream1_.LineStart()),
                                            static_cast<std::size_t>(end1 - stream1_.LineStart())},
                                           {stream2_.At(stream2_.LineStart()),
                                            static_cast<std::size_t>(end2 - stream2_.LineStart())},
                                           {foldCase_, compressBlanks_});
        }))
        return Blame(fault);
    panel_.AddRow(std::to_string(lineNumber_) + " 行");
    panel_.AddRow(heading1_);
    if (const auto failed = AddLine(stream1_, Side::File1, end1, stretch.begin1, stretch.end1))
        return failed;
    panel_.AddRow(heading2_);
    if (const auto failed = AddLine(stream2_, Side::File2, end2, stretch.begin2, stretch.end2))
        return failed;
    panel_.AddRow("");
    return std::nullopt;
}

// Lists the current line of a stream as read; a line that cannot be held fails its file.
std::optional<Side> TextRun::AddLine(TextStream& stream, Side side, std::int64_t end,
                                     std::size_t markBegin, std::size_t markEnd) {
    try {
        TextStream::MovedBytes line;
        if (stream.MoveOut(stream.LineStart(), end, line) == TextStream::Status::Failed)
            return side;
        panel_.AddMarkedRow(line.View(), markBegin, markEnd);
    } catch (const std::bad_alloc&) {
        return side;
    }
    return std::nullopt;
}

// While no result has come, the main count looks in this often to report progress.
constexpr std::chrono::milliseconds kProgressInterval{20};

// Counts the lines that remain in both files, on two cores at once where a second one is free:
// one core reads a single file more slowly than two files side by side. The second core counts
// File2 and stops at the next window when told.
std::optional<Side> TextRun::CountTheRest() {
    TextStream::LineCount rest1;
    TextStream::LineCount rest2;
    std::atomic<bool> stop = false;
    std::atomic<std::int64_t> reached2 = stream2_.Position();
    std::future<TextStream::Status> second;
    if (useSecondCore_) {
        try {
            second = std::async(
                std::launch::async,
                [&] {
                    TextStream::Status status = TextStream::Status::Ok;
                    while (!stop && (status = stream2_.CountOn(rest2)) == TextStream::Status::Ok)
                        reached2 = stream2_.Position();
                    return status;
                });
        } catch (const std::system_error&) {
        }
    }
    // Left before its end only by a stop, which the second count must hear before it is waited for.
    struct StopOnLeave {
        std::atomic<bool>& stop;
        ~StopOnLeave() { stop = true; }
    } stopOnLeave{stop};
    TextStream::Status end1;
    while ((end1 = stream1_.CountOn(rest1)) == TextStream::Status::Ok)
        checkpoint_.Reached(stream1_.Position() + reached2);
    TextStream::Status end2;
    if (second.valid()) {
        while (second.wait_for(kProgressInterval) != std::future_status::ready)
            checkpoint_.Reached(stream1_.Position() + reached2);
        end2 = second.get();
    } else {
        while ((end2 = stream2_.CountOn(rest2)) == TextStream::Status::Ok)
            checkpoint_.Reached(stream1_.Position() + stream2_.Position());
    }
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

CompareOutcome TextRun::Stop() {
    // Neither line count is known before both files were read to their ends.
    panel_.SetLengthVerdict("");
    panel_.SetDifferenceSummary(StoppedSummary(differences_, unit_));
    return CompareOutcome::Stopped;
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
