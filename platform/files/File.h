#pragma once

#include "platform/files/FileAccess.h"
#include "platform/files/ReadFailure.h"

#include <cstdint>
#include <string>

// What a CFile opens besides regular files: nothing, or also streams, which are read in order
// to their end: "-" for standard input, and pipes and FIFOs (a command's output given as a path).
enum class FileKinds { RegularFiles, AlsoStreams };

// A regular file, or a stream where asked for, opened for reading only (symlinks followed).
// Opening refuses folders, sockets and devices, and never blocks but on a FIFO that waits for
// its writer; nothing is ever written. It keeps the framework's name for the file whose opening
// the checks before a run make, but unlike that class it has no Read: its bytes are read through
// a FileWindow, which reaches them as the access given at opening says.
class CFile {
public:
    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // False for a missing, unreadable or non-regular file (of the kinds not asked for), with the
    // reason kept for OpenFailure; any file open before is closed.
    bool Open(const std::string& path, FileKinds kinds = FileKinds::RegularFiles,
              FileAccess access = {});
    // Whether its bytes come once, in order: its size says nothing and it cannot be mapped.
    bool IsStream() const { return stream_; }
    // The path it was opened with.
    const std::string& Path() const { return path_; }
    bool IsOpen() const { return descriptor_ >= 0; }
    // The length in bytes that the file reports now; 0 for many pseudo-files, whose bytes are
    // made as they are read.
    std::int64_t GetLength() const;
    int Descriptor() const { return descriptor_; }
    const FileAccess& Access() const { return access_; }
    // Why the last Open failed.
    ReadFailure OpenFailure() const { return openFailure_; }
    void Close();

private:
    bool OpenStandardInput();

    int descriptor_ = -1;
    bool stream_ = false;
    std::string path_;
    FileAccess access_;
    ReadFailure openFailure_;
};
