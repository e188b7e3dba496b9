#pragma once

#include "CompareOutcome.h"

#include <string>

class ResultPanel;

// Compares two files line n against line n, never realigning, and lists each differing pair
// in a group of six rows, stopping after the 4001st; then the line-count verdict and the
// summary. Case folding and blank compression follow compareSettings.
CompareOutcome RunTextCompare(ResultPanel& panel, std::string path1, std::string path2);
