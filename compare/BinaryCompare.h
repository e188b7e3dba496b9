#pragma once

#include "compare/CompareOutcome.h"
#include "compare/CompareTuning.h"

#include <string>

class ResultPanel;

// Compares two files byte by byte up to the end of the shorter one and lists every differing
// offset with both bytes, stopping after the 10001st; then the length verdict and the summary.
// A file that cannot be read to its end, or ends before the size it had when opened, stops the
// comparison as failed; the rows listed before stay.
CompareOutcome RunBinaryCompare(ResultPanel& panel, std::string path1, std::string path2,
                                const CompareTuning& tuning = {});
