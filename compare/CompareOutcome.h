#pragma once

#include "compare/Side.h"

#include <optional>
#include <string>

// How a comparison ended: Same means no difference and equal lengths (or line counts).
// A failed file stops the comparison, and so does a stop asked for while it runs; the rows
// written so far stay. A stopped comparison says nothing of whether the files differ.
enum class CompareOutcome { Same, Different, File1Failed, File2Failed, Stopped };

inline CompareOutcome FailureOf(Side side) {
    return side == Side::File1 ? CompareOutcome::File1Failed : CompareOutcome::File2Failed;
}

// How a whole run ended, for callers that act on it, such as the command line's exit status.
enum class RunOutcome { Same, Different, CheckFailed, ReadFailed, Stopped };

struct RunResult {
    RunOutcome outcome;
    // A file that could not be opened, and why, in the system's words.
    std::optional<Side> unopened = std::nullopt;
    std::string reason = {};
};
