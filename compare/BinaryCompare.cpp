#include "compare/BinaryCompare.h"

#include "compare/ByteDifference.h"
#include "compare/OpenBoth.h"
#include "compare/ResultPanel.h"
#include "compare/RunCheckpoint.h"
#include "compare/SecondCore.h"
#include "compare/SecondWorker.h"
#include "compare/StretchScan.h"
#include "platform/files/FileWindow.h"
#include "texts/Texts.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <optional>
#include <variant>

namespace {

// One comparison of two open files: the windows, the count and the listing.
class BinaryRun {
public:
    BinaryRun(ResultPanel& panel, const CFile& file1, const CFile& file2,
              const CompareTuning& tuning)
        : panel_(panel), file1_(file1), file2_(file2),
          tuning_(tuning), unit_{texts::Measure::Bytes, tuning.byteLimit}, window1_(file1),
          window2_(file2), step_(static_cast<std::int64_t>(tuning.windowSize)),
          checkpoint_(tuning.progress, window1_.ReportedSize() + window2_.ReportedSize()) {}

    CompareResult Run();

private:
    // Where a parallel run left off: its outcome, or the position to go on from in turn.
    using Progress = std::variant<CompareResult, std::int64_t>;

    CompareResult CompareAll();
    CompareResult Stop();
    std::size_t Capacity() const { return static_cast<std::size_t>(unit_.limit) + 1; }
    std::size_t Room() const { return static_cast<std::size_t>(unit_.limit + 1 - differences_); }
    FileWindow& WindowOf(Side side) { return side == Side::File1 ? window1_ : window2_; }
    CompareResult Failed(Side side) { return FailureOf(side, WindowOf(side).Failure()); }
    bool WantsSecondWorker(std::int64_t sharedLength) const;
    Progress RunInParallel(std::int64_t sharedLength);
    std::optional<CompareResult> CompareStretch(std::int64_t from, std::int64_t to);
    CompareResult RunInTurn(std::int64_t position);
    bool List(const DifferenceList& list);
    CompareResult Finish();
    std::optional<std::int64_t> Length(FileWindow& window, bool ended);

    ResultPanel& panel_;
    const CFile& file1_;
    const CFile& file2_;
    const CompareTuning& tuning_;
    const texts::DifferenceUnit unit_;
    FileWindow window1_;
    FileWindow window2_;
    const std::int64_t step_;
    DifferenceList list_;
    RunCheckpoint checkpoint_;
    std::int64_t differences_ = 0;
    bool ended1_ = false;
    bool ended2_ = false;
};

CompareResult BinaryRun::Run() {
    try {
        return CompareAll();
    } catch (const RunStopped&) {
        return Stop();
    }
}

CompareResult BinaryRun::CompareAll() {
    const std::int64_t size1 = window1_.ReportedSize();
    const std::int64_t size2 = window2_.ReportedSize();
    panel_.SetLengthVerdict(texts::LengthVerdict(unit_.measure, size1, size2));
    if (window1_.Extend(step_) == FileWindow::Status::Failed)
        return Failed(Side::File1);
    if (window2_.Extend(step_) == FileWindow::Status::Failed)
        return Failed(Side::File2);
    if (window1_.LengthIsReportedSize() && window2_.LengthIsReportedSize()) {
        if (tuning_.stopAtFirstDifference && size1 != size2)
            return {CompareOutcome::Different};
        const std::int64_t shared = std::min(size1, size2);
        if (WantsSecondWorker(shared)) {
            const Progress progress = RunInParallel(shared);
            if (const auto* result = std::get_if<CompareResult>(&progress))
                return *result;
            return RunInTurn(std::get<std::int64_t>(progress));
        }
    }
    return RunInTurn(0);
}

bool BinaryRun::WantsSecondWorker(std::int64_t sharedLength) const {
    if (tuning_.workers == Workers::One || sharedLength <= step_)
        return false;
    return tuning_.workers == Workers::Two || (sharedLength >= 2 * step_ && SecondCoreFree());
}

// Compares the shared stretch with a second worker, who takes every other window. The second
// worker only ever makes the run faster: when it cannot start, or cannot deliver a window for
// any reason (its own lack of memory too), this worker goes on alone from that window, and
// meets any fault of the files itself.
BinaryRun::Progress BinaryRun::RunInParallel(std::int64_t sharedLength) {
    std::optional<SecondWorker> worker;
    try {
        worker.emplace(file1_, file2_,
                       SecondWorker::Plan{sharedLength, tuning_.windowSize, Capacity()});
    } catch (const std::exception&) {
        return std::int64_t{0};
    }
    for (std::int64_t from = 0; from < sharedLength; from += 2 * step_) {
        const std::int64_t to = std::min(from + step_, sharedLength);
        window1_.Release(from);
        window2_.Release(from);
        if (const auto failed = CoverStretch(window1_, window2_, to))
            return Failed(*failed);
        if (const auto result = CompareStretch(from, to))
            return *result;
        if (to == sharedLength)
            break;
        const auto theirs = worker->Take(static_cast<std::size_t>(to / step_));
        if (!theirs.delivered)
            return to;
        if (!List(theirs.differences))
            return Finish();
        checkpoint_.Reached(2 * std::min(to + step_, sharedLength));
    }
    return sharedLength;
}

CompareResult BinaryRun::RunInTurn(std::int64_t position) {
    for (;;) {
        window1_.Release(position);
        window2_.Release(position);
        // Bytes already in hand are compared before a file is read on, so that everything
        // read before a read error is listed. File1 is always read first.
        if (window1_.End() == position) {
            const auto status = window1_.Extend(position + step_);
            if (status == FileWindow::Status::Failed)
                return Failed(Side::File1);
            ended1_ = status == FileWindow::Status::End;
        }
        if (window2_.End() == position) {
            const auto status = window2_.Extend(position + step_);
            if (status == FileWindow::Status::Failed)
                return Failed(Side::File2);
            ended2_ = status == FileWindow::Status::End;
        }
        const std::int64_t end = std::min(window1_.End(), window2_.End());
        if (end == position)
            return Finish();
        if (const auto result = CompareStretch(position, end))
            return *result;
        position = end;
        checkpoint_.Reached(2 * position);
    }
}

// Compares and lists the stretch that both windows hold, once both files are known to have
// held it throughout; the result when that ends the run.
std::optional<CompareResult> BinaryRun::CompareStretch(std::int64_t from, std::int64_t to) {
    list_.Reset(std::min(Room(), static_cast<std::size_t>(to - from)));
    if (const auto lost = ConfirmedScan(window1_, window2_, from, to, list_))
        return Failed(*lost);
    if (!List(list_))
        return Finish();
    return std::nullopt;
}

// Lists the differences in order; false once the listing is over.
bool BinaryRun::List(const DifferenceList& list) {
    if (tuning_.stopAtFirstDifference && list.Size() > 0) {
        differences_ = 1;
        return false;
    }
    for (std::size_t i = 0; i < list.Size(); ++i) {
        panel_.AddRow(texts::ByteDifferenceRow(list[i].offset, list[i].byte1, list[i].byte2));
        if (++differences_ > unit_.limit) {
            panel_.AddRow(texts::OverLimitRow(unit_));
            return false;
        }
    }
    return true;
}

// A file's length: where it ended, or its reported size where that holds, or else what reading
// on to its end finds, counted, not compared.
std::optional<std::int64_t> BinaryRun::Length(FileWindow& window, bool ended) {
    if (ended)
        return window.End();
    if (window.LengthIsReportedSize()) {
        if (window.Confirm(window.ReportedSize()) == FileWindow::Status::Failed)
            return std::nullopt;
        return window.ReportedSize();
    }
    for (;;) {
        checkpoint_.Check();
        window.Release(window.End());
        switch (window.Extend(window.End() + step_)) {
        case FileWindow::Status::Ok:
            continue;
        case FileWindow::Status::End:
            return window.End();
        case FileWindow::Status::Failed:
            return std::nullopt;
        }
    }
}

CompareResult BinaryRun::Finish() {
    if (tuning_.stopAtFirstDifference && differences_ > 0)
        return {CompareOutcome::Different};
    const auto length1 = Length(window1_, ended1_);
    if (!length1)
        return Failed(Side::File1);
    const auto length2 = Length(window2_, ended2_);
    if (!length2)
        return Failed(Side::File2);
    // Only a file whose size said too little (a pseudo-file) or that grew changes the verdict.
    const auto verdict = texts::LengthVerdict(unit_.measure, *length1, *length2);
    if (verdict !=
        texts::LengthVerdict(unit_.measure, window1_.ReportedSize(), window2_.ReportedSize()))
        panel_.SetLengthVerdict(verdict);
    panel_.SetDifferenceSummary(texts::DifferenceSummary(differences_, unit_));
    return {differences_ == 0 && *length1 == *length2 ? CompareOutcome::Same
                                                      : CompareOutcome::Different};
}

CompareResult BinaryRun::Stop() {
    // The verdict shown at the start holds only where the sizes the files reported do.
    if (!window1_.LengthIsReportedSize() || !window2_.LengthIsReportedSize())
        panel_.SetLengthVerdict("");
    panel_.SetDifferenceSummary(texts::StoppedSummary(differences_, unit_));
    return {CompareOutcome::Stopped};
}

} // namespace

CompareResult RunBinaryCompare(ResultPanel& panel, const CFile& file1, const CFile& file2,
                               const CompareTuning& tuning) {
    panel.AddRow(texts::kAddressHeading);
    try {
        return BinaryRun(panel, file1, file2, tuning).Run();
    } catch (const std::bad_alloc&) {
        // The lists of differences come first; without them nothing was read.
        return FailureOf(Side::File1, ReadFailure::System(ENOMEM));
    }
}

CompareResult RunBinaryCompare(ResultPanel& panel, std::string path1, std::string path2,
                               const CompareTuning& tuning, const FileAccess& access) {
    CFile file1;
    CFile file2;
    if (const auto unopened = OpenBoth(file1, file2, path1, path2, access)) {
        panel.AddRow(texts::kAddressHeading);
        return *unopened;
    }
    return RunBinaryCompare(panel, file1, file2, tuning);
}
