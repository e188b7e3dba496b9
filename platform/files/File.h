#pragma once

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
    // FailureReason; any file open before is closed.
    bool Open(const std::string& path);
    bool IsOpen() const { return descriptor_ >= 0; }
    // The length in bytes that the file reports now; 0 for many pseudo-files, whose bytes are
    // made as they are read.
    std::int64_t GetLength() const;
    int Descriptor() const { return descriptor_; }
    // Why the last Open failed, as the system words it ("No such file or directory"), or
    // "Not a regular file".
    std::string FailureReason() const;
    void Close();

private:
    int descriptor_ = -1;
    int openError_ = 0; // errno of the last failed Open; 0 with a non-regular file
};
