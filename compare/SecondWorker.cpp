#include "compare/SecondWorker.h"

#include "compare/StretchScan.h"

#include <algorithm>

SecondWorker::SecondWorker(const CFile& file1, const CFile& file2, const Plan& plan)
    : file1_(file1), file2_(file2), plan_(plan), slots_{Slot(plan.capacity), Slot(plan.capacity)},
      thread_([this] { Work(); }) {}

SecondWorker::~SecondWorker() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

SecondWorker::Result SecondWorker::Take(std::size_t index) {
    Slot& slot = SlotOf(index);
    std::unique_lock lock(mutex_);
    if (taken_)
        taken_->ready = false;
    taken_ = &slot;
    changed_.notify_all();
    changed_.wait(lock, [&] { return slot.ready && slot.index == index; });
    return {slot.differences, slot.delivered};
}

void SecondWorker::Work() {
    FileWindow window1(file1_);
    FileWindow window2(file2_);
    const auto windowSize = static_cast<std::int64_t>(plan_.windowSize);
    for (std::int64_t from = windowSize; from < plan_.sharedLength; from += 2 * windowSize) {
        const auto index = static_cast<std::size_t>(from / windowSize);
        Slot& slot = SlotOf(index);
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return stop_ || !slot.ready; });
            if (stop_)
                return;
        }
        const std::int64_t to = std::min(from + windowSize, plan_.sharedLength);
        window1.Release(from);
        window2.Release(from);
        slot.differences.Reset(plan_.capacity);
        // Whatever kept this worker from the window, a file's fault or its own lack of memory,
        // the caller meets for itself when it compares the window in its place.
        slot.delivered = !CoverStretch(window1, window2, to) &&
                         !ConfirmedScan(window1, window2, from, to, slot.differences);
        {
            std::lock_guard lock(mutex_);
            slot.index = index;
            slot.ready = true;
        }
        changed_.notify_all();
        if (!slot.delivered)
            return;
    }
}
