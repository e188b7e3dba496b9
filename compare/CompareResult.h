#pragma once

#include "compare/Side.h"
#include "platform/files/ReadFailure.h"

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
