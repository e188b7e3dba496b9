#pragma once

#include "compare/CompareOutcome.h"
#include "compare/CompareSettings.h"
#include "compare/CompareTuning.h"

#include <string>

class ResultPanel;

// Compares two files line n against line n, never realigning, and lists each differing pair in
// a group of six rows, stopping after the 4001st; then the line-count verdict and the summary.
// Case folding and blank compression follow the settings. A file that cannot be read to its
// end, or ends before the size it had when opened, stops the comparison as failed; the rows
// listed before stay.
CompareOutcome RunTextCompare(ResultPanel& panel, std::string path1, std::string path2,
                              const CompareSettings& settings, const CompareTuning& tuning = {});
