#pragma once

#include <cstdint>
#include <string>

// Why a file could not be opened or read to its end, kept as a value from where it happened to
// the place that shows it.
struct ReadFailure {
    enum class Cause {
        System,          // the system refused: `error` holds its errno
        NotRegular,      // a folder, device, FIFO or socket where a file was expected
        Changed,         // the file lost bytes it had reported while they were compared
        NoMemory,        // `bytes` could not be held
        NoMemoryForLine, // a line of `bytes` bytes could not be held
    };

    Cause cause = Cause::System;
    int error = 0;
    std::int64_t bytes = 0;

    static ReadFailure System(int error) { return {Cause::System, error, 0}; }
    static ReadFailure Changed() { return {Cause::Changed, 0, 0}; }
};

// The reason in words, for a message line: the system's own ("Input/output error"), or
// "changed during the comparison", or "not enough memory for a line of N bytes".
std::string Describe(const ReadFailure& failure);
