#pragma once

#include "compare/CompareResult.h"
#include "compare/CompareTuning.h"
#include "compare/TextRules.h"
#include "platform/files/FileAccess.h"

#include <string>

class CFile;
class ResultPanel;

// Compares two files line n against line n, never realigning, and lists each differing pair in
// a group of six rows, stopping after the 4001st; then the line-count verdict and the summary.
// Case folding and blank compression follow the rules. A file that cannot be read to its
// end, or loses bytes it reported while they are compared, stops the comparison as failed, with
// the reason; the rows listed before stay, and no row is listed for bytes that were not in the
// file. The headings name the files by the paths they were opened with.
CompareResult RunTextCompare(ResultPanel& panel, const CFile& file1, const CFile& file2,
                             TextRules rules, const CompareTuning& tuning = {});

// The same for two paths, opened here, File1 first, and reached as the access says.
CompareResult RunTextCompare(ResultPanel& panel, std::string path1, std::string path2,
                             TextRules rules, const CompareTuning& tuning = {},
                             const FileAccess& access = {});
