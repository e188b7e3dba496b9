// The bench's reference for how fast this machine can compare two files: both are mapped in
// 4 MiB windows with MAP_POPULATE and compared with memcmp on one thread, with nothing else to
// do. It exits like cmp: 0 same, 1 different (contents or length), 2 trouble. Regular files
// only; it is a yardstick for the bench's own files, not a tool for users.
#include <sys/mman.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr int kExitSame = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;
constexpr off_t kWindowSize = off_t{4} << 20;

void Report(const char* path, const char* what, int error) {
    std::fprintf(stderr, "limit: %s: %s: %s\n", path, what, std::strerror(error));
}

class InputFile {
public:
    explicit InputFile(const char* path) : path_(path) {
        descriptor_ = open(path, O_RDONLY | O_CLOEXEC);
        struct stat status;
        if (descriptor_ < 0 || fstat(descriptor_, &status) != 0)
            Report(path, "cannot open", errno);
        else if (!S_ISREG(status.st_mode))
            Report(path, "cannot compare", EINVAL); // no size to lay windows over
        else
            size_ = status.st_size;
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile() {
        if (descriptor_ >= 0)
            close(descriptor_);
    }

    bool Usable() const { return size_ >= 0; }
    off_t Size() const { return size_; }
    const char* Path() const { return path_; }
    int Descriptor() const { return descriptor_; }

private:
    const char* path_;
    int descriptor_ = -1;
    off_t size_ = -1;
};

class Window {
public:
    Window(const InputFile& file, off_t offset, size_t length)
        : length_(length), data_(mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE,
                                      file.Descriptor(), offset)) {
        if (data_ == MAP_FAILED)
            Report(file.Path(), "cannot map", errno);
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window() {
        if (data_ != MAP_FAILED)
            munmap(data_, length_);
    }

    bool Mapped() const { return data_ != MAP_FAILED; }
    const void* Data() const { return data_; }

private:
    size_t length_;
    void* data_;
};

int Compare(const InputFile& file1, const InputFile& file2) {
    const off_t common = std::min(file1.Size(), file2.Size());
    for (off_t offset = 0; offset < common; offset += kWindowSize) {
        const auto length = static_cast<size_t>(std::min(kWindowSize, common - offset));
        const Window window1(file1, offset, length);
        if (!window1.Mapped())
            return kExitTrouble;
        const Window window2(file2, offset, length);
        if (!window2.Mapped())
            return kExitTrouble;
        if (std::memcmp(window1.Data(), window2.Data(), length) != 0)
            return kExitDifferent;
    }
    return file1.Size() == file2.Size() ? kExitSame : kExitDifferent;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: limit FILE1 FILE2\n", stderr);
        return kExitTrouble;
    }
    const InputFile file1(argv[1]);
    const InputFile file2(argv[2]);
    if (!file1.Usable() || !file2.Usable())
        return kExitTrouble;
    return Compare(file1, file2);
}
