#include "compare/AheadScan.h"

#include "compare/ByteKernels.h"
#include "compare/StretchScan.h"

#include <algorithm>
#include <chrono>

namespace {
// How often a caller waiting for the scan is called back: well within a tenth of a second.
constexpr auto kWaitStep = std::chrono::milliseconds(20);
} // namespace

AheadScan::AheadScan(const CFile& file1, const CFile& file2, const Plan& plan)
    : file1_(file1), file2_(file2), plan_(plan), reached_(plan.from), thread_([this] { Scan(); }) {}

AheadScan::~AheadScan() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

std::optional<AheadScan::Found>
AheadScan::Take(const std::function<void(std::int64_t reached)>& whileWaiting) {
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            if (changed_.wait_for(lock, kWaitStep, [this] { return finished_; }))
                break;
        }
        whileWaiting(reached_);
    }
    thread_.join();
    return found_;
}

void AheadScan::Finish(const std::optional<Found>& found) {
    {
        std::lock_guard lock(mutex_);
        found_ = found;
        finished_ = true;
    }
    changed_.notify_all();
}

void AheadScan::Scan() {
    Finish(Look());
}

std::optional<AheadScan::Found> AheadScan::Look() {
    FileWindow window1(file1_);
    FileWindow window2(file2_);
    Found found{plan_.from, 0, std::nullopt};
    for (std::int64_t at = plan_.from; at < plan_.to;) {
        if (stop_)
            return std::nullopt;
        const std::int64_t end =
            std::min(at + static_cast<std::int64_t>(plan_.windowSize), plan_.to);
        window1.Release(at);
        window2.Release(at);
        if (CoverStretch(window1, window2, end))
            return std::nullopt;
        EqualText text{};
        const auto count = static_cast<std::size_t>(end - at);
        if (ReadBothFiles(window1, {at, end}, window2, {at, end},
                          [&](std::string_view bytes1, std::string_view bytes2) {
                              text = ScanEqualText(bytes1.data(), bytes2.data(), count, TextRules{},
                                                   '\n');
                          }) ||
            window1.Confirm(end) == FileWindow::Status::Failed ||
            window2.Confirm(end) == FileWindow::Status::Failed)
            return std::nullopt;
        found.lineFeeds += static_cast<std::int64_t>(text.lineFeeds);
        if (text.lineFeeds > 0)
            found.lineStart = at + static_cast<std::int64_t>(text.afterLastLineFeed);
        found.identicalTo = at + static_cast<std::int64_t>(text.length);
        if (text.length < count)
            break;
        at = end;
        reached_ = at;
    }
    return found;
}
