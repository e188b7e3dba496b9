#pragma once

#include "compare/Side.h"

#include <cstdint>
#include <optional>

class DifferenceList;
class FileWindow;

// Brings both windows up to `end` (File1 first) and names the file that cannot deliver every
// byte before it: inside the stretch both files reported, an early end means a cut file.
std::optional<Side> CoverStretch(FileWindow& window1, FileWindow& window2, std::int64_t end);

// Compares the bytes [from, to) that both windows hold and adds each differing position to the
// list, in order, until the list is full. Returns the file whose pages were lost under the scan
// (it was cut); the differences found before that stay in the list.
std::optional<Side> ScanStretch(const FileWindow& window1, const FileWindow& window2,
                                std::int64_t from, std::int64_t to, DifferenceList& list);
