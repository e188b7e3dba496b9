#pragma once

#include "compare/Side.h"
#include "platform/files/ReadFailure.h"

#include <optional>

// How a whole run ended, for callers that act on it, such as the command line's exit status.
enum class RunOutcome { Same, Different, CheckFailed, ReadFailed, Stopped };

struct RunResult {
    RunOutcome outcome;
    // The file that could not be opened or read to its end, and why.
    std::optional<Side> failedFile = std::nullopt;
    ReadFailure failure = {};
};
