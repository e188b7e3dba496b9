#pragma once

#include "compare/CompareResult.h"
#include "platform/files/File.h"
#include "platform/files/FileAccess.h"

#include <optional>
#include <string>

// Opens both files of a comparison for reading, File1 first, to be reached as the access says;
// the failure of the file that cannot be opened.
inline std::optional<CompareResult> OpenBoth(CFile& file1, CFile& file2, const std::string& path1,
                                             const std::string& path2, const FileAccess& access) {
    if (!file1.Open(path1, FileKinds::RegularFiles, access))
        return FailureOf(Side::File1, file1.OpenFailure());
    if (!file2.Open(path2, FileKinds::RegularFiles, access))
        return FailureOf(Side::File2, file2.OpenFailure());
    return std::nullopt;
}
