#pragma once

#include <string>
#include <string_view>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// helper goes out of scope. It needs no test framework, so that the fuzz targets use it too: what
// cannot be created, written or read throws std::runtime_error, which fails a test and stops a
// fuzz target.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // The full path of a name inside the folder; nothing is created.
    std::string PathOf(std::string_view name) const;
    // Creates or replaces the file with exactly these bytes and returns its full path.
    std::string Write(std::string_view name, std::string_view bytes) const;

private:
    std::string path_;
};

// The whole content of a file.
std::string ReadWholeFile(const std::string& path);
