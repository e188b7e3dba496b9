#pragma once

#include <string>
#include <string_view>

struct LineMatcherOptions {
    bool foldCase;
    bool compressBlanks;
};

// Decides whether two lines count as equal under the text options: compressed blanks
// and folded case. Keeps its work copies between calls, so memory follows the longest line.
class LineMatcher {
public:
    explicit LineMatcher(LineMatcherOptions options)
        : foldCase_(options.foldCase), compressBlanks_(options.compressBlanks) {}

    bool Equal(std::string_view line1, std::string_view line2);

private:
    void Normalise(std::string_view line, std::string& work) const;

    bool foldCase_;
    bool compressBlanks_;
    std::string work1_;
    std::string work2_;
};
