#pragma once

#include "platform/files/ReadFailure.h"

#include <cstdint>
#include <string>

// A regular file opened for reading only (symlinks followed). Opening refuses folders, FIFOs,
// sockets and devices without ever blocking, and nothing is ever written. Its bytes are read
// through a FileWindow.
class CFile {
public:
    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // False for a missing, unreadable or non-regular file, with the reason kept for
    // OpenFailure; any file open before is closed.
    bool Open(const std::string& path);
    // The path it was opened with.
    const std::string& Path() const { return path_; }
    bool IsOpen() const { return descriptor_ >= 0; }
    // The length in bytes that the file reports now; 0 for many pseudo-files, whose bytes are
    // made as they are read.
    std::int64_t GetLength() const;
    int Descriptor() const { return descriptor_; }
    // Why the last Open failed.
    ReadFailure OpenFailure() const { return openFailure_; }
    void Close();

private:
    int descriptor_ = -1;
    std::string path_;
    ReadFailure openFailure_;
};
