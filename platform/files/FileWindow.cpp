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

constexpr std::int64_t kDropStep = std::int64_t{1} << 20;

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

// Reads a stream on from where it stands; its bytes come in order, so the offset is where it is.
ssize_t ReadOnward(int descriptor, void* buffer, std::size_t count, off_t) {
    return ::read(descriptor, buffer, count);
}

std::int64_t SizeByStatus(int descriptor) {
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 ? status.st_size : -1;
}

} // namespace

FileWindow::FileWindow(const CFile& file) : descriptor_(file.Descriptor()), access_(file.Access()) {
    if (!access_.readAt)
        access_.readAt = ::pread;
    if (!access_.sizeOf)
        access_.sizeOf = SizeByStatus;
    reportedSize_ = std::max<std::int64_t>(access_.sizeOf(descriptor_), 0);
    if (file.IsStream()) {
        access_.readAt = ReadOnward;
        reportedSize_ = 0;
    }
    // Any size but 0 is taken at its word until the file turns out not to map (see
    // ExtendMapping): most pseudo-files report 0 whatever they hold, and a stream has no size.
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

bool FileWindow::LengthIsReportedSize() const {
    return trusted_ && end_ <= reportedSize_;
}

FileWindow::Status FileWindow::Fail(const ReadFailure& failure) {
    failure_ = failure;
    failurePending_ = true;
    return Status::Failed;
}

FileWindow::Status FileWindow::Confirm(std::int64_t end) {
    return trusted_ ? RequireSize(end) : Status::Ok;
}

FileWindow::Status FileWindow::FaultAt(const void* address) {
    const std::int64_t offset = static_cast<const unsigned char*>(address) - map_;
    if (RequireSize(offset + 1) == Status::Failed)
        return Status::Failed;
    return Fail(ReadFailure::System(EIO));
}

FileWindow::Status FileWindow::RequireSize(std::int64_t size) {
    const std::int64_t now = access_.sizeOf(descriptor_);
    if (now < 0)
        return Fail(ReadFailure::System(errno));
    return now < size ? Fail(ReadFailure::Changed()) : Status::Ok;
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
        void* const start = access_.mapError == 0
                                ? ::mmap(nullptr, mapLength_, PROT_READ, MAP_SHARED, descriptor_, 0)
                                : (errno = access_.mapError, MAP_FAILED);
        if (start == MAP_FAILED) {
            // Either way the file is read instead. Refused for want of address space, its size
            // still holds; refused by a file system that cannot map its files, its length is
            // what reading finds: such files (pseudo-files above all) rarely hold what they
            // report.
            trusted_ = trusted_ && errno == ENOMEM;
            mapped_ = false;
            mapLength_ = 0;
            return Status::Ok;
        }
        map_ = static_cast<unsigned char*>(start);
        droppedTo_ = PageStart(begin_);
    }
    // A file cut before its bytes are read shows in its size; one cut later faults in the guard,
    // or reads as zeros in its last page until Confirm.
    if (Confirm(end) == Status::Failed)
        return Status::Failed;
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
        return Fail(ReadFailure::System(errno));
    if (got == 0)
        return ReachEnd();
    // The file has grown, or reported too little: read on, keeping what the window holds.
    if (MoveMappedBytesToBuffer() == Status::Failed)
        return Status::Failed;
    if (!Reserve(static_cast<std::size_t>(end - begin_)))
        return Fail({ReadFailure::Cause::NoMemory, 0, end - begin_});
    buffer_[end_ - bufferOffset_] = byte;
    ++end_;
    return ExtendBuffer(end);
}

FileWindow::Status FileWindow::ReachEnd() {
    atEnd_ = true;
    if (end_ > reportedSize_)
        return Status::End;
    // Short of the reported size, a file whose size is a promise was cut. Any other was cut if it
    // now says less, and else promised more than it holds. At the reported size, the same test
    // confirms the mapped bytes.
    if (trusted_ && end_ < reportedSize_)
        return Fail(ReadFailure::Changed());
    return RequireSize(reportedSize_) == Status::Failed ? Status::Failed : Status::End;
}

FileWindow::Status FileWindow::MoveMappedBytesToBuffer() {
    const std::int64_t count = end_ - begin_;
    if (!Reserve(static_cast<std::size_t>(count + 1)))
        return Fail({ReadFailure::Cause::NoMemory, 0, count + 1});
    if (count > 0) {
        const char* const from = At(begin_);
        if (RunGuarded({Mapping()},
                       [&] { std::memcpy(buffer_, from, static_cast<std::size_t>(count)); }) ||
            Confirm(end_) == Status::Failed)
            return Fail(ReadFailure::Changed());
    }
    Unmap();
    mapped_ = false;
    bufferOffset_ = begin_;
    return Status::Ok;
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
        return Fail({ReadFailure::Cause::NoMemory, 0, end - begin_});
    const std::int64_t before = end_;
    while (end_ < end) {
        const ssize_t got = access_.readAt(descriptor_, buffer_ + (end_ - bufferOffset_),
                                           static_cast<std::size_t>(end - end_), end_);
        if (got > 0) {
            end_ += got;
            continue;
        }
        if (got == 0) {
            if (ReachEnd() == Status::Failed)
                return Status::Failed;
            break;
        }
        if (errno == EINTR)
            continue;
        const Status failed = Fail(ReadFailure::System(errno));
        // What came in first is still compared; the next call fails.
        return end_ == before ? failed : Status::Ok;
    }
    return end_ > before ? Status::Ok : Status::End;
}

void FileWindow::Release(std::int64_t offset) {
    // The pages of the bytes let go of leave the process, so that memory stays flat: a
    // megabyte at a time, or all that is held before a jump, since each is a system call; a
    // small file's few pages go with the mapping.
    if (map_ && static_cast<std::int64_t>(mapLength_) > kDropStep) {
        const std::int64_t drop = PageStart(std::min(offset, end_));
        if (drop - droppedTo_ >= kDropStep || (offset >= end_ && drop > droppedTo_)) {
            ::madvise(map_ + droppedTo_, static_cast<std::size_t>(drop - droppedTo_),
                      MADV_DONTNEED);
            droppedTo_ = drop;
        }
        if (offset >= end_)
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
