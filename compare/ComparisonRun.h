#pragma once

#include "compare/CompareTuning.h"
#include "compare/RunResult.h"
#include "platform/files/FileAccess.h"

class ResultPanel;
class RunHost;
struct CompareRequest;
struct CompareSettings;

// Checks the request (File1 chosen, File2 chosen, paths differ, File1 and File2 readable, in
// that order), shows the first failure through the host and leaves the panel untouched; else
// clears the rows, shows both names and runs the comparison that the settings' mode selects on
// the files it opened, with the busy pointer up. A file that fails during the comparison, or
// whose line cannot be held in memory, is shown as a read error of that file; the result says
// which file failed and why. Nothing is thrown. A run that the tuning's progress stops keeps its
// rows and says in its summary that it was stopped. The files are reached as the access says,
// which only tests change.
RunResult RunComparison(const CompareRequest& request, const CompareSettings& settings,
                        ResultPanel& panel, RunHost& host, const CompareTuning& tuning = {},
                        const FileAccess& access = {});
