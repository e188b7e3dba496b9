#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

class CFile;

// How a FileWindow reaches a file's bytes: by mapping them where it can, else by reading them
// with readAt (pread unless tests put in one that fails).
struct FileAccess {
    using ReadAt = ssize_t (*)(int descriptor, void* buffer, std::size_t count, off_t offset);
    bool map = true;
    ReadAt readAt = nullptr;
};

// A stretch of an open file's bytes in memory that slides forward through the file: the file is
// mapped read-only whole where it allows it and only the stretch's pages are held, else the
// stretch is read into a buffer (pseudo-files, file systems that cannot map, too little address
// space). The size the file reports at the start is trusted unless the file cannot be mapped:
// ending before it means the file was cut under the reader, a failure. Bytes past it are read all
// the same, so a file that reports too small a size, or none, is read to its end. Several windows
// may read one file at once, from different threads.
class FileWindow {
public:
    enum class Status { Ok, End, Failed };

    explicit FileWindow(const CFile& file, FileAccess access = {});
    ~FileWindow();
    FileWindow(const FileWindow&) = delete;
    FileWindow& operator=(const FileWindow&) = delete;

    // Brings in the bytes up to offset `end`, or up to the file's end: Ok when bytes past the old
    // End() came in, End when the file has no more, Failed on a read error, a cut file or a lack
    // of memory. Bytes that came in before a read error are kept; the next call fails.
    Status Extend(std::int64_t end);
    // Lets go of the bytes before `offset`; an offset past End() moves the window there, empty.
    void Release(std::int64_t offset);

    std::int64_t Begin() const { return begin_; }
    std::int64_t End() const { return end_; }
    // Where the byte at `offset` is held, Begin() <= offset <= End(). Mapped bytes may be read
    // only inside RunGuarded, since a cut file takes its pages away.
    const char* At(std::int64_t offset) const;
    // Whether a faulting address lies in this window's mapping.
    bool Holds(const void* address) const;
    // Whether the file's length is its reported size unless it changes: true for a mappable file
    // that has not been read past that size, false where only reading to the end tells.
    bool LengthIsReportedSize() const;
    std::int64_t ReportedSize() const { return reportedSize_; }

private:
    Status ExtendMapping(std::int64_t end);
    Status ProbePastReportedSize(std::int64_t end);
    Status ExtendBuffer(std::int64_t end);
    bool MoveMappedBytesToBuffer();
    bool Reserve(std::size_t bytes);
    void Unmap();
    Status Fail();

    int descriptor_;
    FileAccess access_;
    std::int64_t reportedSize_;
    bool trusted_;
    bool mapped_;
    bool atEnd_ = false;
    bool failurePending_ = false;
    std::int64_t begin_ = 0;
    std::int64_t end_ = 0;

    unsigned char* map_ = nullptr; // the whole file, from offset 0
    std::size_t mapLength_ = 0;
    std::int64_t droppedTo_ = 0; // the mapped pages before this offset have been let go of

    unsigned char* buffer_ = nullptr;
    std::int64_t bufferOffset_ = 0; // file offset of buffer_[0]
    std::size_t capacity_ = 0;
};
