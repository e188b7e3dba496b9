#pragma once

#include "compare/ByteDifference.h"
#include "platform/files/FileWindow.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>

class CFile;

// Compares the odd-numbered windows (1, 3, 5, ...) of the stretch both files share on a thread
// of its own, at most two windows ahead of the caller, who compares the even ones and takes the
// results in order. Stops and waits for its thread when destroyed.
class SecondWorker {
public:
    struct Plan {
        std::int64_t sharedLength;
        std::size_t windowSize;
        std::size_t capacity; // differences kept per window at most
    };
    struct Result {
        const DifferenceList& differences;
        bool delivered; // false when the window could not be compared, nor any after it
    };

    // Throws when no thread or memory can be had.
    SecondWorker(const CFile& file1, const CFile& file2, const Plan& plan);
    ~SecondWorker();
    SecondWorker(const SecondWorker&) = delete;
    SecondWorker& operator=(const SecondWorker&) = delete;

    // Waits for the result of window `index`, an odd number taken in order; it stays valid
    // until the next call.
    Result Take(std::size_t index);

private:
    struct Slot {
        explicit Slot(std::size_t capacity) : differences(capacity) {}
        DifferenceList differences;
        bool delivered = false;
        std::size_t index = 0;
        bool ready = false;
    };

    void Work();
    Slot& SlotOf(std::size_t index) { return slots_[index / 2 % 2]; }

    const CFile& file1_;
    const CFile& file2_;
    Plan plan_;
    Slot slots_[2];
    Slot* taken_ = nullptr;
    bool stop_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};
