#include "TextCompare.h"

#include "ByteKernels.h"
#include "DifferenceTexts.h"
#include "DisplayName.h"
#include "FilePair.h"
#include "LineMatcher.h"
#include "PageFaultGuard.h"
#include "ResultPanel.h"
#include "TextStream.h"

#include <algorithm>
#include <new>
#include <optional>

namespace {

std::string_view LineCountVerdict(std::int64_t lines1, std::int64_t lines2) {
    if (lines1 > lines2)
        return "File1 が File2 より行数が多い";
    if (lines1 == lines2)
        return "File1 と File2 の行数は同じ";
    return "File2 が File1 より行数が多い";
}

bool IsBlank(unsigned char byte) {
    return byte == ' ' || byte == '\t';
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
          stopAtFirstDifference_(tuning.stopAtFirstDifference) {}

    CompareOutcome Run();

private:
    // Where the streams stopped agreeing, if they did before a window ran dry.
    struct Disagreement {
        unsigned char byte1;
        unsigned char byte2;
    };

    std::optional<Side> WalkWhileEqual(std::optional<Disagreement>& disagreement);
    bool BlanksOnly(const Disagreement& disagreement) const;
    std::optional<Side> SkipBlankRuns();
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
        std::optional<Disagreement> disagreement;
        if (status1 == TextStream::Status::End || status2 == TextStream::Status::End)
            failed = MatchLinePair(goOn);
        else if (!(failed = WalkWhileEqual(disagreement)) && disagreement)
            failed = BlanksOnly(*disagreement) ? SkipBlankRuns() : MatchLinePair(goOn);
        if (failed)
            return FailureOf(*failed);
    }
    if (limitPassed_ && !stopAtFirstDifference_)
        if (const auto failed = CountTheRest())
            return FailureOf(*failed);
    return Finish();
}

std::optional<Side> TextRun::WalkWhileEqual(std::optional<Disagreement>& disagreement) {
    const std::size_t count = std::min(stream1_.Available(), stream2_.Available());
    const char* const bytes1 = stream1_.Here();
    const char* const bytes2 = stream2_.Here();
    EqualText run{};
    unsigned char previous = previous_;
    Disagreement found{};
    if (const void* fault = RunGuarded([&] {
            run = ScanEqualText(bytes1, bytes2, count, foldCase_, previous_);
            if (run.length > 0)
                previous = static_cast<unsigned char>(bytes1[run.length - 1]);
            if (run.length < count)
                found = {static_cast<unsigned char>(bytes1[run.length]),
                         static_cast<unsigned char>(bytes2[run.length])};
        }))
        return Blame(fault);
    std::size_t rest = run.length;
    if (run.lineFeeds > 0) {
        const auto lineFeeds = static_cast<std::int64_t>(run.lineFeeds);
        lineNumber_ += lineFeeds;
        lines1_ += lineFeeds;
        lines2_ += lineFeeds;
        const auto lineStart = static_cast<std::int64_t>(run.afterLastLineFeed);
        stream1_.StartLineAt(stream1_.Position() + lineStart);
        stream2_.StartLineAt(stream2_.Position() + lineStart);
        rest -= run.afterLastLineFeed;
    }
    stream1_.Advance(rest);
    stream2_.Advance(rest);
    previous_ = previous;
    if (run.length < count)
        disagreement = found;
    return std::nullopt;
}

// Whether the streams disagree only in how long a run of blanks is, which compression ignores.
bool TextRun::BlanksOnly(const Disagreement& disagreement) const {
    if (!compressBlanks_)
        return false;
    const bool blank1 = IsBlank(disagreement.byte1);
    const bool blank2 = IsBlank(disagreement.byte2);
    return (blank1 && blank2) || (IsBlank(previous_) && (blank1 || blank2));
}

std::optional<Side> TextRun::SkipBlankRuns() {
    if (stream1_.SkipBlanks() == TextStream::Status::Failed)
        return Side::File1;
    if (stream2_.SkipBlanks() == TextStream::Status::Failed)
        return Side::File2;
    previous_ = ' ';
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

std::optional<Side> TextRun::CountTheRest() {
    std::int64_t rest = 0;
    if (stream1_.CountRemainingLines(rest) == TextStream::Status::Failed)
        return Side::File1;
    lines1_ += rest;
    if (stream2_.CountRemainingLines(rest) == TextStream::Status::Failed)
        return Side::File2;
    lines2_ += rest;
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
