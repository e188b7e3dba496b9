#pragma once

#include "compare/CompareOutcome.h"
#include "platform/files/File.h"

#include <optional>
#include <string>

// Opens both files of a comparison for reading, File1 first; the failure of the file that
// cannot be opened.
inline std::optional<CompareResult> OpenBoth(CFile& file1, CFile& file2, const std::string& path1,
                                             const std::string& path2) {
    if (!file1.Open(path1))
        return FailureOf(Side::File1, file1.OpenFailure());
    if (!file2.Open(path2))
        return FailureOf(Side::File2, file2.OpenFailure());
    return std::nullopt;
}
