#pragma once

#include "CompareOutcome.h"

class ResultPanel;
class RunHost;
struct CompareRequest;

// Checks the request (File1 chosen, File2 chosen, paths differ, File1 and File2 readable, in
// that order), shows the first failure through the host and leaves the panel untouched; else
// clears the rows, shows both names and runs the comparison that the settings' mode selects,
// with the busy pointer up. A file that fails during the comparison is shown as a read error.
RunOutcome RunComparison(const CompareRequest& request, ResultPanel& panel, RunHost& host);
