#pragma once

#include "compare/CompareResult.h"
#include "compare/CompareTuning.h"
#include "platform/files/FileAccess.h"

#include <string>

class CFile;
class ResultPanel;

// Compares two files byte by byte up to the end of the shorter one and lists every differing
// offset with both bytes, stopping after the 10001st; then the length verdict and the summary.
// A file that cannot be read to its end, or loses bytes it reported while they are compared,
// stops the comparison as failed, with the reason; the rows listed before stay, and no row is
// listed for bytes that were not in the file.
CompareResult RunBinaryCompare(ResultPanel& panel, const CFile& file1, const CFile& file2,
                               const CompareTuning& tuning = {});

// The same for two paths, opened here, File1 first, and reached as the access says.
CompareResult RunBinaryCompare(ResultPanel& panel, std::string path1, std::string path2,
                               const CompareTuning& tuning = {}, const FileAccess& access = {});
