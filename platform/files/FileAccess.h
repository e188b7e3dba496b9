#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

// How the file layer reaches an open file's bytes, the seam where tests put in faults: by mapping
// them where it can, else by reading them with readAt (pread unless tests put in one that fails),
// and how it learns the file's size now with sizeOf (fstat unless tests put in one that cuts the
// file at that moment; -1 and errno when it fails). Tests set mapError to have every mapping
// refused with that errno. A CFile is given it when opened, and its windows follow it.
struct FileAccess {
    using ReadAt = ssize_t (*)(int descriptor, void* buffer, std::size_t count, off_t offset);
    using SizeOf = std::int64_t (*)(int descriptor);
    bool map = true;
    ReadAt readAt = nullptr;
    SizeOf sizeOf = nullptr;
    int mapError = 0;
};
