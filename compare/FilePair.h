#pragma once

#include "compare/Side.h"
#include "platform/files/File.h"

#include <optional>
#include <string>

// Opens both files of a comparison for reading, File1 first; the file that cannot be opened.
inline std::optional<Side> OpenBoth(CFile& file1, CFile& file2, const std::string& path1,
                                    const std::string& path2) {
    if (!file1.Open(path1))
        return Side::File1;
    if (!file2.Open(path2))
        return Side::File2;
    return std::nullopt;
}
