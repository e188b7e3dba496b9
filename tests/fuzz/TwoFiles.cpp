#include "tests/fuzz/TwoFiles.h"

#include "tests/fuzz/FuzzCheck.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace fuzz {
namespace {

void WriteFile(const std::string& path, std::string_view bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (descriptor < 0)
        Fail("cannot create " + path, std::strerror(errno));
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            Fail("cannot write " + path, std::strerror(errno));
        written += static_cast<std::size_t>(count);
    }
    ::close(descriptor);
}

} // namespace

TwoFiles::TwoFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vy-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        Fail("cannot create a temporary folder", std::strerror(errno));
    folder_ = pattern;
    path1_ = folder_ + "/a.txt";
    path2_ = folder_ + "/b.txt";
}

TwoFiles::~TwoFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void TwoFiles::Write(std::string_view bytes1, std::string_view bytes2) const {
    WriteFile(path1_, bytes1);
    WriteFile(path2_, bytes2);
}

} // namespace fuzz
