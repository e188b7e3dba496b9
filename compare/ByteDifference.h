#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

// One position at which the two files differ, with both bytes.
struct ByteDifference {
    std::int64_t offset;
    unsigned char byte1;
    unsigned char byte2;
};

// A store of differences that fills without allocating, so that a scan filling it may be
// abandoned at a page fault: every difference counted is complete.
class DifferenceList {
public:
    explicit DifferenceList(std::size_t capacity = 0)
        : entries_(std::make_unique_for_overwrite<ByteDifference[]>(capacity)), capacity_(capacity),
          room_(capacity) {}

    // Empties the list and lets it take `room` differences, growing to hold them (which may
    // throw std::bad_alloc, so never inside a guard): a small comparison needs only a little.
    void Reset(std::size_t room) {
        size_ = 0;
        if (room > capacity_) {
            entries_ = std::make_unique_for_overwrite<ByteDifference[]>(room);
            capacity_ = room;
        }
        room_ = room;
    }
    bool Full() const { return size_ == room_; }
    std::size_t Size() const { return size_; }
    const ByteDifference& operator[](std::size_t index) const { return entries_[index]; }

    void Add(const ByteDifference& difference) {
        entries_[size_] = difference;
        // The entry is in memory before the count says so, also for a jump out of a handler.
        std::atomic_signal_fence(std::memory_order_release);
        size_ = size_ + 1;
    }

private:
    std::unique_ptr<ByteDifference[]> entries_;
    std::size_t capacity_;
    std::size_t room_;
    volatile std::size_t size_ = 0;
};
