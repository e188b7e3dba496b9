#pragma once

#include "compare/TextRules.h"

struct ByteKernelSet;

#include <string_view>

// Decides whether two lines count as equal under the text rules, reading them where they lie:
// it copies nothing, allocates nothing, takes no lock and throws nothing, so that its caller may
// abandon it at any instruction (as when a mapped page under a line goes away).
class LineMatcher {
public:
    explicit LineMatcher(TextRules rules);

    bool Equal(std::string_view line1, std::string_view line2) const noexcept;

private:
    TextRules rules_;
    const ByteKernelSet* kernels_;
};
