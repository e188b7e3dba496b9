#pragma once

#include <string>
#include <string_view>

// Two files in a folder of their own under the temporary folder, rewritten for every input and
// removed with the folder when the process ends. A target that cannot write them stops.
namespace fuzz {

class TwoFiles {
public:
    TwoFiles();
    ~TwoFiles();
    TwoFiles(const TwoFiles&) = delete;
    TwoFiles& operator=(const TwoFiles&) = delete;

    void Write(std::string_view bytes1, std::string_view bytes2) const;
    const std::string& Path1() const { return path1_; }
    const std::string& Path2() const { return path2_; }

private:
    std::string folder_;
    std::string path1_;
    std::string path2_;
};

} // namespace fuzz
