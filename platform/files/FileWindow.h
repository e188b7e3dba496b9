#pragma once

#include "platform/files/FileAccess.h"
#include "platform/files/PageFaultGuard.h"
#include "platform/files/ReadFailure.h"

#include <cstddef>
#include <cstdint>

class CFile;

// A stretch of an open file's bytes in memory that slides forward through the file: the file is
// mapped read-only whole where it allows it and only the stretch's pages are held, else the
// stretch is read into a buffer (pseudo-files, file systems that cannot map, too little address
// space). A file that ends before the size it reported at the start was cut under the reader, a
// failure however its bytes came, when that size was taken at its word (LengthIsReportedSize) or
// the file now reports less. One that still reports more than it held promised too much, as
// pseudo-files do, and ends where its bytes end. Bytes past the reported size are read all the
// same, so a file that reports too small a size, or none, is read to its end. Several windows
// may read one file at once, from different threads; a stream is read by one window only, in
// order. It reaches the file as the file's access says.
class FileWindow {
public:
    enum class Status { Ok, End, Failed };

    explicit FileWindow(const CFile& file);
    ~FileWindow();
    FileWindow(const FileWindow&) = delete;
    FileWindow& operator=(const FileWindow&) = delete;

    // Brings in the bytes up to offset `end`, or up to the file's end: Ok when bytes past the old
    // End() came in, End when the file has no more, Failed on a read error, a cut file or no
    // memory for the buffer that read bytes go to (a mapping refused for want of address space
    // is no failure: the file is read instead). Whatever fails after some bytes came in, they
    // are kept and the call is Ok; the next call fails.
    Status Extend(std::int64_t end);
    // Whether the file still holds the bytes before `end`, which a caller confirms after
    // comparing them and before acting on them: the last page of a file cut under its mapping
    // reads as zeros, without a fault. Failed, as a cut, when it does not; always Ok for a file
    // whose reported size is not taken at its word (see LengthIsReportedSize).
    Status Confirm(std::int64_t end);
    // Fails the window for a fault at `address` in its mapping, which the guard caught: a cut
    // when the file now holds fewer bytes, else a failure of the storage under the page.
    Status FaultAt(const void* address);
    // Why the last call failed.
    const ReadFailure& Failure() const { return failure_; }
    // Lets go of the bytes before `offset`; an offset past End() moves the window there, empty.
    void Release(std::int64_t offset);

    std::int64_t Begin() const { return begin_; }
    std::int64_t End() const { return end_; }
    // Where the byte at `offset` is held, Begin() <= offset <= End(). Mapped bytes may be read
    // only inside RunGuarded, since a cut file takes its pages away.
    const char* At(std::int64_t offset) const;
    // The file's mapping, for the guard that reads it; empty when the file is read instead.
    MappedRange Mapping() const { return {map_, mapLength_}; }
    // Whether a faulting address lies in this window's mapping.
    bool Holds(const void* address) const { return Mapping().Holds(address); }
    // Whether the file's length is its reported size unless it changes: true for a file that
    // reported a size other than 0, was not refused a mapping by its file system and has not
    // been read past that size; false where only reading to the end tells.
    bool LengthIsReportedSize() const;
    std::int64_t ReportedSize() const { return reportedSize_; }

private:
    Status ExtendMapping(std::int64_t end);
    Status ProbePastReportedSize(std::int64_t end);
    Status ExtendBuffer(std::int64_t end);
    Status ReachEnd();
    Status RequireSize(std::int64_t size);
    Status MoveMappedBytesToBuffer();
    bool Reserve(std::size_t bytes);
    void Unmap();
    Status Fail(const ReadFailure& failure);

    int descriptor_;
    FileAccess access_;
    std::int64_t reportedSize_ = 0;
    bool trusted_; // the reported size holds unless the file changes: reaching less is a cut
    bool mapped_;
    bool atEnd_ = false;
    bool failurePending_ = false;
    ReadFailure failure_;
    std::int64_t begin_ = 0;
    std::int64_t end_ = 0;

    unsigned char* map_ = nullptr; // the whole file, from offset 0
    std::size_t mapLength_ = 0;
    std::int64_t droppedTo_ = 0; // the mapped pages before this offset have been let go of

    unsigned char* buffer_ = nullptr;
    std::int64_t bufferOffset_ = 0; // file offset of buffer_[0]
    std::size_t capacity_ = 0;
};
