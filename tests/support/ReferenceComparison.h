#pragma once

#include "tests/support/ReferenceText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A plain, slow model of the binary and the text comparison over two files held in memory:
// the rows, the verdict, the summary and the outcome that the engine must show for them.
namespace reference {

// How many differences each comparison lists before it stops listing.
struct Limits {
    std::int64_t bytes = 10000;
    std::int64_t lines = 4000;
};

struct Comparison {
    std::vector<std::string> rows;
    std::string lengthVerdict;
    std::string differenceSummary;
    bool same = false; // no difference listed and equal lengths (or line counts)
};

// Position against position up to the end of the shorter file.
Comparison CompareBinary(std::string_view bytes1, std::string_view bytes2, Limits limits = {});

// Line n against line n; the names are the files' paths, whose display names head the rows.
// The line-count verdict is true also when the listing stops at the limit.
Comparison CompareText(std::string_view bytes1, std::string_view bytes2, std::string_view path1,
                       std::string_view path2, TextOptions options, Limits limits = {});

} // namespace reference
