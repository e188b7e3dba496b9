#include "platform/files/File.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile() {
    Close();
}

bool CFile::Open(const std::string& path, FileKinds kinds, FileAccess access) {
    Close();
    path_ = path;
    access_ = access;
    openFailure_ = {};
    const bool streams = kinds == FileKinds::AlsoStreams;
    if (streams && path == "-")
        return OpenStandardInput();
    // Look before opening: opening some devices has effects of its own (a tape rewinds).
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        openFailure_ = ReadFailure::System(errno);
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        openFailure_ = ReadFailure::System(EISDIR);
        return false;
    }
    const bool fifo = streams && S_ISFIFO(status.st_mode);
    if (!S_ISREG(status.st_mode) && !fifo) {
        openFailure_ = {ReadFailure::Cause::NotRegular};
        return false;
    }
    // A FIFO waits for its writer, as its reader expects. A regular file is opened without
    // blocking, so that a FIFO put in its place meanwhile cannot hang the open.
    const int descriptor =
        ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC | (fifo ? 0 : O_NONBLOCK));
    if (descriptor < 0) {
        openFailure_ = ReadFailure::System(errno);
        return false;
    }
    if (::fstat(descriptor, &status) != 0 ||
        !(fifo ? S_ISFIFO(status.st_mode) : S_ISREG(status.st_mode))) {
        openFailure_ = {ReadFailure::Cause::NotRegular};
        ::close(descriptor);
        return false;
    }
    if (!fifo) {
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
        ::posix_fadvise(descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    descriptor_ = descriptor;
    stream_ = fifo;
    return true;
}

// Standard input is whatever it was given: a regular file is read from its start, anything
// else but a folder as a stream.
bool CFile::OpenStandardInput() {
    const int descriptor = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
    struct stat status {};
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0) {
        openFailure_ = ReadFailure::System(errno);
        if (descriptor >= 0)
            ::close(descriptor);
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        openFailure_ = ReadFailure::System(EISDIR);
        ::close(descriptor);
        return false;
    }
    descriptor_ = descriptor;
    stream_ = !S_ISREG(status.st_mode);
    return true;
}

std::int64_t CFile::GetLength() const {
    struct stat status {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &status) != 0)
        return 0;
    return status.st_size;
}

void CFile::Close() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    stream_ = false;
}
