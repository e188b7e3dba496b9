#pragma once

#include "platform/files/FileWindow.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class CFile;

// Looks on a thread of its own for the byte-identical start of the stretch [from, to) that both
// files hold, counting its line feeds, while the caller walks the text before `from`. What it
// finds tells the caller anything only once everything before `from` was identical too: then
// identical bytes are identical lines under every rule. Stops and waits for its thread when
// destroyed.
class AheadScan {
public:
    struct Plan {
        std::int64_t from;
        std::int64_t to;
        std::size_t windowSize;
    };
    struct Found {
        std::int64_t identicalTo;              // [from, identicalTo) is the same in both files
        std::int64_t lineFeeds;                // in that stretch
        std::optional<std::int64_t> lineStart; // just past the last of them
    };

    // Throws when no thread can be had.
    AheadScan(const CFile& file1, const CFile& file2, const Plan& plan);
    ~AheadScan();
    AheadScan(const AheadScan&) = delete;
    AheadScan& operator=(const AheadScan&) = delete;

    // Waits for the scan, calling whileWaiting every few milliseconds with the offset the scan
    // has reached (it may throw, to stop waiting); nothing when the scan could not look at the
    // whole stretch for any reason (its own lack of memory, a file's fault), which the caller
    // then meets for itself.
    std::optional<Found> Take(const std::function<void(std::int64_t reached)>& whileWaiting);

private:
    void Scan();
    std::optional<Found> Look();
    void Finish(const std::optional<Found>& found);

    const CFile& file1_;
    const CFile& file2_;
    const Plan plan_;
    std::optional<Found> found_;
    bool finished_ = false;
    std::atomic<std::int64_t> reached_;
    std::atomic<bool> stop_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};
