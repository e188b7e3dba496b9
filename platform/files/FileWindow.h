#pragma once

#include "platform/files/FileAccess.h"
#include "platform/files/PageFaultGuard.h"
#include "platform/files/ReadFailure.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

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
    // The bytes [from, to) of a window, Begin() <= from <= to <= End().
    struct Stretch {
        std::int64_t from;
        std::int64_t to;
    };

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
    // Why the last call failed.
    const ReadFailure& Failure() const { return failure_; }
    // Lets go of the bytes before `offset`; an offset past End() moves the window there, empty.
    void Release(std::int64_t offset);

    std::int64_t Begin() const { return begin_; }
    std::int64_t End() const { return end_; }
    // Runs work(bytes) on the stretch's bytes inside the guard against a file cut under its
    // mapping, the one way to reach them, since a cut file takes its mapped pages away. Failed
    // when a page was lost under the work, the window failed for it: a cut when the file now
    // holds fewer bytes, else a failure of the storage under the page. The work is then
    // abandoned wherever it stood, so it must keep to what RunGuarded allows.
    template <class Work> Status Read(Stretch stretch, Work&& work);
    // The same for a stretch of each of two windows at once, work(bytes1, bytes2); returns the
    // window that lost a page under the work, failed for it, or nullptr.
    template <class Work>
    static FileWindow* ReadBoth(FileWindow& window1, Stretch stretch1, FileWindow& window2,
                                Stretch stretch2, Work&& work);
    // Whether the file's length is its reported size unless it changes: true for a file that
    // reported a size other than 0, was not refused a mapping by its file system and has not
    // been read past that size; false where only reading to the end tells.
    bool LengthIsReportedSize() const;
    std::int64_t ReportedSize() const { return reportedSize_; }

private:
    // Where the byte at `offset` is held, Begin() <= offset <= End().
    const char* At(std::int64_t offset) const;
    std::string_view BytesOf(Stretch stretch) const {
        return {At(stretch.from), static_cast<std::size_t>(stretch.to - stretch.from)};
    }
    // The file's mapping, for the guard that reads it; empty when the file is read instead.
    MappedRange Mapping() const { return {map_, mapLength_}; }
    // Fails the window for a fault at `address` in its mapping, which the guard caught: a cut
    // when the file now holds fewer bytes, else a failure of the storage under the page.
    Status FaultAt(const void* address);
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

template <class Work> FileWindow::Status FileWindow::Read(Stretch stretch, Work&& work) {
    const std::string_view bytes = BytesOf(stretch);
    if (const void* fault = RunGuarded({Mapping()}, [&] { work(bytes); })) {
        FaultAt(fault);
        return Status::Failed;
    }
    return Status::Ok;
}

template <class Work>
FileWindow* FileWindow::ReadBoth(FileWindow& window1, Stretch stretch1, FileWindow& window2,
                                 Stretch stretch2, Work&& work) {
    const std::string_view bytes1 = window1.BytesOf(stretch1);
    const std::string_view bytes2 = window2.BytesOf(stretch2);
    const void* const fault =
        RunGuarded({window1.Mapping(), window2.Mapping()}, [&] { work(bytes1, bytes2); });
    if (!fault)
        return nullptr;
    FileWindow& lost = window2.Mapping().Holds(fault) ? window2 : window1;
    lost.FaultAt(fault);
    return &lost;
}
