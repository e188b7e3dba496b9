#include "platform/files/File.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile() {
    Close();
}

bool CFile::Open(const std::string& path) {
    Close();
    path_ = path;
    openFailure_ = {};
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
    if (!S_ISREG(status.st_mode)) {
        openFailure_ = {ReadFailure::Cause::NotRegular};
        return false;
    }
    // Non-blocking, so that a FIFO put in the file's place meanwhile cannot hang the open.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        openFailure_ = ReadFailure::System(errno);
        return false;
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        openFailure_ = {ReadFailure::Cause::NotRegular};
        ::close(descriptor);
        return false;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    ::posix_fadvise(descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);
    descriptor_ = descriptor;
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
}
