#pragma once

#include <cstdint>

// Where a long comparison reports how far it has got and learns whether to go on. It is called
// on the thread that started the run, between windows of the files and between pieces of a long
// line, never inside a guarded read.
class RunProgress {
public:
    virtual ~RunProgress() = default;

    // `done` of `total` bytes of both files have been read; false asks the run to stop.
    virtual bool GoOn(std::int64_t done, std::int64_t total) = 0;
};
