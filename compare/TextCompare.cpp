#include "compare/TextCompare.h"

#include "compare/AheadScan.h"
#include "compare/ByteKernels.h"
#include "compare/DifferingStretch.h"
#include "compare/DisplayName.h"
#include "compare/LineMatcher.h"
#include "compare/OpenBoth.h"
#include "compare/ResultPanel.h"
#include "compare/RunCheckpoint.h"
#include "compare/SecondCore.h"
#include "compare/StretchScan.h"
#include "compare/TextStream.h"
#include "texts/Texts.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <future>
#include <new>
#include <optional>
#include <system_error>

namespace {

// One comparison of two open files. Both files are walked side by side as streams of bytes while
// they agree, counting line feeds; only where they disagree is the line pair matched whole.
class TextRun {
public:
    TextRun(ResultPanel& panel, const CFile& file1, const CFile& file2, std::string heading1,
            std::string heading2, TextRules rules, const CompareTuning& tuning)
        : panel_(panel), file1_(file1), file2_(file2), tuning_(tuning),
          checkpoint_(tuning.progress, file1.GetLength() + file2.GetLength()),
          stream1_(file1, tuning, &checkpoint_), stream2_(file2, tuning, &checkpoint_),
          heading1_(std::move(heading1)), heading2_(std::move(heading2)), rules_(rules),
          matcher_(rules), unit_{texts::Measure::Lines, tuning.lineLimit},
          stopAtFirstDifference_(tuning.stopAtFirstDifference),
          useSecondCore_(tuning.workers == Workers::Two ||
                         (tuning.workers == Workers::AsCoresAllow && SecondCoreFree())) {}

    CompareResult Run();

private:
    CompareResult CompareAll();
    CompareResult Stop();
    void StartScanAhead();
    void TakeScanAhead();
    std::optional<Side> WalkWhileEqual(bool& disagree);
    std::optional<Side> MatchLinePair(bool& goOn);
    std::optional<Side> ConfirmLinePair(const TextStream::LineEnd& end1,
                                        const TextStream::LineEnd& end2);
    std::optional<Side> ListLinePair(std::int64_t text1, std::int64_t text2,
                                     const TextStream::LineEnd& end1,
                                     const TextStream::LineEnd& end2);
    std::optional<Side> AddLine(Side side, const TextStream::MovedBytes& line,
                                std::size_t markBegin, std::size_t markEnd);
    std::optional<Side> CountTheRest();
    CompareResult Finish();

    TextStream& StreamOf(Side side) { return side == Side::File1 ? stream1_ : stream2_; }
    CompareResult Failed(Side side) { return FailureOf(side, StreamOf(side).Failure()); }

    ResultPanel& panel_;
    const CFile& file1_;
    const CFile& file2_;
    const CompareTuning& tuning_;
    RunCheckpoint checkpoint_;
    TextStream stream1_;
    TextStream stream2_;
    const std::string heading1_;
    const std::string heading2_;
    const TextRules rules_;
    LineMatcher matcher_;
    const texts::DifferenceUnit unit_;
    const bool stopAtFirstDifference_;
    const bool useSecondCore_;
    std::int64_t lineNumber_ = 1;
    std::int64_t lines1_ = 0;
    std::int64_t lines2_ = 0;
    std::int64_t differences_ = 0;
    unsigned char previous_ = '\n'; // the byte before the streams' positions
    bool limitPassed_ = false;
    // While it runs, the walk looks for identical bytes alone, up to where it starts.
    std::optional<AheadScan> ahead_;
    std::int64_t aheadFrom_ = 0;
    bool aheadConsidered_ = false;
};

CompareResult TextRun::Run() {
    try {
        return CompareAll();
    } catch (const RunStopped&) {
        return Stop();
    }
}

CompareResult TextRun::CompareAll() {
    for (bool goOn = true; goOn;) {
        checkpoint_.Reached(stream1_.Position() + stream2_.Position());
        // File1 is always read first.
        const auto status1 = stream1_.Fill();
        if (status1 == TextStream::Status::Failed)
            return Failed(Side::File1);
        const auto status2 = stream2_.Fill();
        if (status2 == TextStream::Status::Failed)
            return Failed(Side::File2);
        if (!aheadConsidered_)
            StartScanAhead();
        if (ahead_ && stream1_.Position() == aheadFrom_) {
            TakeScanAhead(); // which may move both streams on
            continue;
        }
        std::optional<Side> failed;
        bool disagree = true;
        if (status1 != TextStream::Status::End && status2 != TextStream::Status::End)
            failed = WalkWhileEqual(disagree);
        if (!failed && disagree)
            failed = MatchLinePair(goOn);
        if (failed)
            return Failed(*failed);
    }
    if (limitPassed_ && !stopAtFirstDifference_)
        if (const auto failed = CountTheRest())
            return Failed(*failed);
    return Finish();
}

// Identical text, the common case, is walked by two cores: a second one looks ahead from the
// middle of the stretch both files share while this one walks up to it. Files whose sizes say
// little are walked by this one alone.
void TextRun::StartScanAhead() {
    aheadConsidered_ = true;
    const FileWindow& window1 = stream1_.Window();
    const FileWindow& window2 = stream2_.Window();
    const std::int64_t shared = std::min(window1.ReportedSize(), window2.ReportedSize());
    const auto step = static_cast<std::int64_t>(tuning_.windowSize);
    if (!useSecondCore_ || !window1.LengthIsReportedSize() || !window2.LengthIsReportedSize() ||
        shared < 2 * step)
        return;
    aheadFrom_ = shared / 2;
    try {
        ahead_.emplace(file1_, file2_, AheadScan::Plan{aheadFrom_, shared, tuning_.windowSize});
    } catch (const std::exception&) {
        ahead_.reset(); // no second core to be had: this one walks it all
    }
}

// Everything before the scan's start was identical: the lines it found identical are passed at
// once, and the walk goes on from the start of the last of them.
void TextRun::TakeScanAhead() {
    // Both halves count as read as far as each has got.
    const auto found = ahead_->Take([this](std::int64_t reached) {
        checkpoint_.Reached(stream1_.Position() + stream2_.Position() + 2 * (reached - aheadFrom_));
    });
    ahead_.reset();
    if (!found || !found->lineStart)
        return;
    lineNumber_ += found->lineFeeds;
    lines1_ += found->lineFeeds;
    lines2_ += found->lineFeeds;
    stream1_.StartLineAt(*found->lineStart);
    stream2_.StartLineAt(*found->lineStart);
    previous_ = '\n';
}

std::optional<Side> TextRun::WalkWhileEqual(bool& disagree) {
    const std::int64_t base1 = stream1_.Position();
    const std::int64_t base2 = stream2_.Position();
    std::size_t size1 = stream1_.Available();
    std::size_t size2 = stream2_.Available();
    // Before the scan ahead's start only identical bytes pass, so that its finding holds.
    TextRules rules = rules_;
    if (ahead_) {
        const auto before = static_cast<std::size_t>(aheadFrom_ - stream1_.Position());
        size1 = std::min(size1, before);
        size2 = std::min(size2, before);
        rules = {};
    }
    TextWalk walk;
    walk.previous = previous_;
    if (const auto lost = ReadBothFiles(
            stream1_.Window(), {base1, base1 + static_cast<std::int64_t>(size1)}, stream2_.Window(),
            {base2, base2 + static_cast<std::int64_t>(size2)},
            [&](std::string_view bytes1, std::string_view bytes2) {
                WalkText(bytes1.data(), bytes1.size(), bytes2.data(), bytes2.size(), rules, walk);
            }))
        return lost;
    const auto lineFeeds = static_cast<std::int64_t>(walk.lineFeeds);
    lineNumber_ += lineFeeds;
    lines1_ += lineFeeds;
    lines2_ += lineFeeds;
    if (lineFeeds > 0) {
        stream1_.StartLineAt(base1 + static_cast<std::int64_t>(walk.lineStart1));
        stream2_.StartLineAt(base2 + static_cast<std::int64_t>(walk.lineStart2));
    }
    stream1_.MoveTo(base1 + static_cast<std::int64_t>(walk.at1));
    stream2_.MoveTo(base2 + static_cast<std::int64_t>(walk.at2));
    previous_ = walk.previous;
    disagree = walk.disagree;
    if (disagree)
        ahead_.reset(); // the files are not identical: the rules decide from here on
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
    // The lines without their line ends; a CR directly before the line feed belongs to the end.
    std::int64_t text1 = end1.offset;
    std::int64_t text2 = end2.offset;
    bool equal = false;
    if (const auto lost = ReadBothFiles(stream1_.Window(), {stream1_.LineStart(), end1.offset},
                                        stream2_.Window(), {stream2_.LineStart(), end2.offset},
                                        [&](std::string_view line1, std::string_view line2) {
                                            if (end1.lineFeed && line1.ends_with('\r')) {
                                                line1.remove_suffix(1);
                                                --text1;
                                            }
                                            if (end2.lineFeed && line2.ends_with('\r')) {
                                                line2.remove_suffix(1);
                                                --text2;
                                            }
                                            equal = matcher_.Equal(line1, line2);
                                        }))
        return lost;
    ++lines1_;
    ++lines2_;
    if (!equal) {
        if (stopAtFirstDifference_) {
            if (const auto failed = ConfirmLinePair(end1, end2))
                return failed;
            differences_ = 1;
            goOn = false;
            return std::nullopt;
        }
        if (const auto failed = ListLinePair(text1, text2, end1, end2))
            return failed;
    }
    ++lineNumber_;
    stream1_.StartLineAt(end1.offset + (end1.lineFeed ? 1 : 0));
    stream2_.StartLineAt(end2.offset + (end2.lineFeed ? 1 : 0));
    previous_ = '\n';
    if (!equal && ++differences_ > unit_.limit) {
        panel_.AddRow(texts::OverLimitRow(unit_));
        limitPassed_ = true;
        goOn = false;
    }
    return std::nullopt;
}

// Whether both files still hold the line pair, up to its line ends, before a difference in it
// counts: a file cut under its mapping reads as zeros in its last page.
std::optional<Side> TextRun::ConfirmLinePair(const TextStream::LineEnd& end1,
                                             const TextStream::LineEnd& end2) {
    if (stream1_.Confirm(end1.offset + end1.lineFeed) == TextStream::Status::Failed)
        return Side::File1;
    if (stream2_.Confirm(end2.offset + end2.lineFeed) == TextStream::Status::Failed)
        return Side::File2;
    return std::nullopt;
}

// Lists the current line pair, its lines [line start, text) as read, each with the stretch where
// it differs marked. Both lines are taken out of the files before the pair is confirmed, so that
// what is listed is what the files held.
std::optional<Side> TextRun::ListLinePair(std::int64_t text1, std::int64_t text2,
                                          const TextStream::LineEnd& end1,
                                          const TextStream::LineEnd& end2) {
    TextStream::MovedBytes line1;
    if (stream1_.MoveOut(stream1_.LineStart(), text1, line1) == TextStream::Status::Failed)
        return Side::File1;
    TextStream::MovedBytes line2;
    if (stream2_.MoveOut(stream2_.LineStart(), text2, line2) == TextStream::Status::Failed)
        return Side::File2;
    if (const auto failed = ConfirmLinePair(end1, end2))
        return failed;
    const DifferingStretch stretch = FindDifferingStretch(line1.View(), line2.View(), rules_);
    panel_.AddRow(texts::LineNumberRow(lineNumber_));
    panel_.AddRow(heading1_);
    if (const auto failed = AddLine(Side::File1, line1, stretch.begin1, stretch.end1))
        return failed;
    panel_.AddRow(heading2_);
    if (const auto failed = AddLine(Side::File2, line2, stretch.begin2, stretch.end2))
        return failed;
    panel_.AddRow("");
    return std::nullopt;
}

// Lists a line with its marked stretch; one that the panel cannot hold fails its file.
std::optional<Side> TextRun::AddLine(Side side, const TextStream::MovedBytes& line,
                                     std::size_t markBegin, std::size_t markEnd) {
    try {
        panel_.AddMarkedRow(line.View(), markBegin, markEnd);
    } catch (const std::bad_alloc&) {
        StreamOf(side).FailLine(line.size);
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

CompareResult TextRun::Finish() {
    // Every byte the walk took as equal must still be in its file: a cut file's last mapped
    // page reads as zeros.
    if (stream1_.Confirm(stream1_.Window().End()) == TextStream::Status::Failed)
        return Failed(Side::File1);
    if (stream2_.Confirm(stream2_.Window().End()) == TextStream::Status::Failed)
        return Failed(Side::File2);
    if (stopAtFirstDifference_ && differences_ > 0)
        return {CompareOutcome::Different};
    panel_.SetLengthVerdict(texts::LengthVerdict(unit_.measure, lines1_, lines2_));
    panel_.SetDifferenceSummary(texts::DifferenceSummary(differences_, unit_));
    return {differences_ == 0 && lines1_ == lines2_ ? CompareOutcome::Same
                                                    : CompareOutcome::Different};
}

CompareResult TextRun::Stop() {
    // Neither line count is known before both files were read to their ends.
    panel_.SetLengthVerdict("");
    panel_.SetDifferenceSummary(texts::StoppedSummary(differences_, unit_));
    return {CompareOutcome::Stopped};
}

} // namespace

CompareResult RunTextCompare(ResultPanel& panel, const CFile& file1, const CFile& file2,
                             TextRules rules, const CompareTuning& tuning) {
    try {
        return TextRun(panel, file1, file2, texts::FileHeadingRow(DisplayName(file1.Path())),
                       texts::FileHeadingRow(DisplayName(file2.Path())), rules, tuning)
            .Run();
    } catch (const std::bad_alloc&) {
        // Lines are held by their own file's stream, which answers for them; anything else that
        // runs out is charged to the first file.
        return FailureOf(Side::File1, ReadFailure::System(ENOMEM));
    }
}

CompareResult RunTextCompare(ResultPanel& panel, std::string path1, std::string path2,
                             TextRules rules, const CompareTuning& tuning,
                             const FileAccess& access) {
    CFile file1;
    CFile file2;
    if (const auto unopened = OpenBoth(file1, file2, path1, path2, access))
        return *unopened;
    return RunTextCompare(panel, file1, file2, rules, tuning);
}
