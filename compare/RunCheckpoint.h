#pragma once

#include "compare/RunProgress.h"

#include <cstdint>

// Thrown by a checkpoint when the run is to stop. Each comparison catches it where it can end
// as stopped, keeping every row it listed; it is never thrown inside a guarded read.
struct RunStopped {};

// A comparison's link to its progress, if it has one: it keeps the last position reported, so
// that loops which make no progress of their own, over a long line, can still ask.
class RunCheckpoint {
public:
    RunCheckpoint(RunProgress* progress, std::int64_t total) : progress_(progress), total_(total) {}

    // Reports `done` bytes of both files read; throws RunStopped when the run is to stop.
    void Reached(std::int64_t done) {
        done_ = done;
        Check();
    }
    // Asks again at the last position; throws RunStopped when the run is to stop.
    void Check() const {
        if (progress_ && !progress_->GoOn(done_, total_))
            throw RunStopped{};
    }

private:
    RunProgress* progress_;
    std::int64_t total_;
    std::int64_t done_ = 0;
};
