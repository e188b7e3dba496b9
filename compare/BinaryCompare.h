#pragma once

#include "CompareOutcome.h"

#include <string>

class ResultPanel;

// Compares two files byte by byte up to the end of the shorter one and lists every differing
// offset with both bytes, stopping after the 10001st; then the length verdict and the summary.
CompareOutcome RunBinaryCompare(ResultPanel& panel, std::string path1, std::string path2);
