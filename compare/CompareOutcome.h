#pragma once

#include "compare/Side.h"
#include "platform/files/ReadFailure.h"

#include <optional>

// How a comparison ended: Same means no difference and equal lengths (or line counts).
// A failed file stops the comparison, and so does a stop asked for while it runs; the rows
// written so far stay. A stopped comparison says nothing of whether the files differ.
enum class CompareOutcome { Same, Different, File1Failed, File2Failed, Stopped };

// A comparison's outcome, with the reason when a file failed.
struct CompareResult {
    CompareOutcome outcome;
    ReadFailure failure = {};
};

inline CompareResult FailureOf(Side side, const ReadFailure& failure) {
    return {side == Side::File1 ? CompareOutcome::File1Failed : CompareOutcome::File2Failed,
            failure};
}

// How a whole run ended, for callers that act on it, such as the command line's exit status.
enum class RunOutcome { Same, Different, CheckFailed, ReadFailed, Stopped };

struct RunResult {
    RunOutcome outcome;
    // The file that could not be opened or read to its end, and why.
    std::optional<Side> failedFile = std::nullopt;
    ReadFailure failure = {};
};
