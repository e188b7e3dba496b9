#pragma once

#include "platform/files/File.h"

#include <cstddef>
#include <cstdint>

class RunProgress;

// How many workers a run takes: a second one for a large comparison (binary windows, or the text
// that lies ahead and the lines past the limit) where a core is free for it, or always one, or
// always two.
enum class Workers { AsCoresAllow, One, Two };

// How a comparison goes about its work, apart from what counts as a difference. The defaults
// are the program's; tests shrink the windows and the limits to reach every edge with small
// files, and vy-cmp --quiet wants the answer alone.
struct CompareTuning {
    // Bytes of each file held at a time; a text line that is longer is held whole.
    std::size_t windowSize = std::size_t{4} << 20;
    // Listing stops after the limit's next difference, with a row saying it was passed.
    std::int64_t byteLimit = 10000;
    std::int64_t lineLimit = 4000;
    // Stop at the first difference without listing it; in binary mode, answer at once when the
    // lengths already differ.
    bool stopAtFirstDifference = false;
    Workers workers = Workers::AsCoresAllow;
    // Which files the run opens: regular files only (the window), or streams too (vy-cmp).
    FileKinds kinds = FileKinds::RegularFiles;
    // Told how far a run has got, and asked whether to go on; none runs to the end.
    RunProgress* progress = nullptr;
};
