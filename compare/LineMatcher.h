#pragma once

#include <string>
#include <string_view>

// Decides whether two lines count as equal under the text options: compressed blanks
// and folded case. Keeps its work copies between calls, so memory follows the longest line.
class LineMatcher {
public:
    LineMatcher(bool foldCase, bool compressBlanks)
        : foldCase_(foldCase), compressBlanks_(compressBlanks) {}

    bool Equal(std::string_view line1, std::string_view line2);

private:
    void Normalise(std::string_view line, std::string& work) const;

    bool foldCase_;
    bool compressBlanks_;
    std::string work1_;
    std::string work2_;
};
