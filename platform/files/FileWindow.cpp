#include "platform/files/FileWindow.h"

#include "platform/files/File.h"
#include "platform/files/PageFaultGuard.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::int64_t PageSize() {
    static const std::int64_t size = ::sysconf(_SC_PAGESIZE);
    return size;
}

std::int64_t PageStart(std::int64_t offset) {
    return offset - offset % PageSize();
}

std::size_t WholePages(std::int64_t bytes) {
    return static_cast<std::size_t>(PageStart(bytes + PageSize() - 1));
}

} // namespace

FileWindow::FileWindow(const CFile& file, FileAccess access)
    : descriptor_(file.Descriptor()), access_(access), reportedSize_(file.GetLength()) {
    if (!access_.readAt)
        access_.readAt = ::pread;
    // A size of 0 is what most pseudo-files report whatever they hold, so only reading tells.
    trusted_ = reportedSize_ > 0;
    mapped_ = access_.map && reportedSize_ > 0;
}

FileWindow::~FileWindow() {
    Unmap();
    std::free(buffer_);
}

const char* FileWindow::At(std::int64_t offset) const {
    const unsigned char* const byte = mapped_ ? map_ + offset : buffer_ + (offset - bufferOffset_);
    return reinterpret_cast<const char*>(byte);
}

bool FileWindow::Holds(const void* address) const {
    const auto* byte = static_cast<const unsigned char*>(address);
    return map_ && byte >= map_ && byte < map_ + mapLength_;
}

bool FileWindow::LengthIsReportedSize() const {
    return trusted_ && end_ <= reportedSize_;
}

FileWindow::Status FileWindow::Fail() {
    failurePending_ = true;
    return Status::Failed;
}

FileWindow::Status FileWindow::Extend(std::int64_t end) {
    if (failurePending_)
        return Status::Failed;
    if (end <= end_)
        return Status::Ok;
    if (atEnd_)
        return Status::End;
    const std::int64_t before = end_;
    if (mapped_ && end_ < reportedSize_ &&
        ExtendMapping(std::min(end, reportedSize_)) == Status::Failed)
        return Status::Failed;
    if (end_ < end) {
        const Status rest = mapped_ ? ProbePastReportedSize(end) : ExtendBuffer(end);
        if (rest == Status::Failed && end_ == before)
            return Status::Failed;
    }
    return end_ > before ? Status::Ok : Status::End;
}

FileWindow::Status FileWindow::ExtendMapping(std::int64_t end) {
    if (!map_) {
        // The whole file at once, its pages coming in as they are read and going again as the
        // window lets go of them: no mapping changes hands while a run goes on, which would
        // stop every other thread of the process.
        mapLength_ = WholePages(reportedSize_);
        void* const start = ::mmap(nullptr, mapLength_, PROT_READ, MAP_SHARED, descriptor_, 0);
        if (start == MAP_FAILED) {
            // Without the address space for it, the file is read instead. A file system that
            // cannot map its files is read too, and trusted with no reported size, which such
            // files rarely keep.
            trusted_ = trusted_ && errno == ENOMEM;
            mapped_ = false;
            mapLength_ = 0;
            return Status::Ok;
        }
        map_ = static_cast<unsigned char*>(start);
        droppedTo_ = PageStart(begin_);
    }
    // A file cut before its bytes are read shows in its size; one cut later faults in the guard.
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0 || status.st_size < end)
        return Fail();
    end_ = end;
    return Status::Ok;
}

FileWindow::Status FileWindow::ProbePastReportedSize(std::int64_t end) {
    // The one read that a file of stable size costs at its end.
    unsigned char byte;
    ssize_t got;
    do
        got = access_.readAt(descriptor_, &byte, 1, end_);
    while (got < 0 && errno == EINTR);
    if (got < 0)
        return Fail();
    if (got == 0) {
        atEnd_ = true;
        return Status::End;
    }
    // The file has grown, or reported too little: read on, keeping what the window holds.
    if (!MoveMappedBytesToBuffer() || !Reserve(static_cast<std::size_t>(end - begin_)))
        return Fail();
    buffer_[end_ - bufferOffset_] = byte;
    ++end_;
    return ExtendBuffer(end);
}

bool FileWindow::MoveMappedBytesToBuffer() {
    if (!Reserve(static_cast<std::size_t>(end_ - begin_ + 1)))
        return false;
    const auto count = static_cast<std::size_t>(end_ - begin_);
    if (count > 0) {
        const char* const from = At(begin_);
        if (RunGuarded([&] { std::memcpy(buffer_, from, count); }))
            return false;
    }
    Unmap();
    mapped_ = false;
    bufferOffset_ = begin_;
    return true;
}

bool FileWindow::Reserve(std::size_t bytes) {
    if (bufferOffset_ < begin_ && !mapped_) {
        std::memmove(buffer_, buffer_ + (begin_ - bufferOffset_),
                     static_cast<std::size_t>(end_ - begin_));
        bufferOffset_ = begin_;
    }
    if (capacity_ >= bytes)
        return true;
    // Exactly what is asked: a window asks for one step more each time, and large blocks grow
    // by remapping, without a copy, so there is no need to leave room.
    void* const grown = std::realloc(buffer_, bytes);
    if (!grown)
        return false;
    buffer_ = static_cast<unsigned char*>(grown);
    capacity_ = bytes;
    return true;
}

FileWindow::Status FileWindow::ExtendBuffer(std::int64_t end) {
    if (!Reserve(static_cast<std::size_t>(end - begin_)))
        return Fail();
    const std::int64_t before = end_;
    while (end_ < end) {
        const ssize_t got = access_.readAt(descriptor_, buffer_ + (end_ - bufferOffset_),
                                           static_cast<std::size_t>(end - end_), end_);
        if (got > 0) {
            end_ += got;
            continue;
        }
        if (got == 0) {
            atEnd_ = true;
            if (trusted_ && end_ < reportedSize_)
                return Fail(); // cut under the reader
            break;
        }
        if (errno == EINTR)
            continue;
        if (end_ == before)
            return Fail();
        failurePending_ = true; // what came in first is still compared
        return Status::Ok;
    }
    return end_ > before ? Status::Ok : Status::End;
}

void FileWindow::Release(std::int64_t offset) {
    // The pages of the bytes let go of leave the process, so that memory stays flat.
    if (map_) {
        const std::int64_t drop = PageStart(std::min(offset, end_));
        if (drop > droppedTo_)
            ::madvise(map_ + droppedTo_, static_cast<std::size_t>(drop - droppedTo_),
                      MADV_DONTNEED);
        droppedTo_ = std::max(droppedTo_, PageStart(offset));
    }
    if (offset >= end_) {
        begin_ = end_ = bufferOffset_ = offset;
        return;
    }
    begin_ = std::max(begin_, offset);
}

void FileWindow::Unmap() {
    if (map_)
        ::munmap(map_, mapLength_);
    map_ = nullptr;
    mapLength_ = 0;
}
