#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// A regular file opened for reading only (symlinks followed). Opening refuses folders, FIFOs,
// sockets and devices without ever blocking, and nothing is ever written.
class CFile {
public:
    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // False for a missing, unreadable or non-regular file; any file open before is closed.
    bool Open(const std::string& path);
    bool IsOpen() const { return descriptor_ >= 0; }
    // The length in bytes, as the file stands now.
    std::int64_t GetLength() const;
    // Reads up to count bytes; fewer only at the end of the file, 0 once it is reached, and
    // nullopt on a read error or when the file is not open.
    std::optional<std::size_t> Read(void* buffer, std::size_t count);
    void Close();

private:
    int descriptor_ = -1;
};
