#pragma once

#include "compare/Side.h"
#include "platform/files/FileWindow.h"

#include <cstdint>
#include <optional>

class DifferenceList;

// Runs work(bytes1, bytes2) on a stretch of each file's window in one guard (see
// FileWindow::ReadBoth); the file that lost a page under it, its window failed for it.
template <class Work>
std::optional<Side> ReadBothFiles(FileWindow& window1, FileWindow::Stretch stretch1,
                                  FileWindow& window2, FileWindow::Stretch stretch2, Work&& work) {
    const FileWindow* const lost = FileWindow::ReadBoth(window1, stretch1, window2, stretch2, work);
    if (!lost)
        return std::nullopt;
    return lost == &window1 ? Side::File1 : Side::File2;
}

// Brings both windows up to `end` (File1 first) and names the file that cannot deliver every
// byte before it: inside the stretch both files reported, an early end means a cut file.
std::optional<Side> CoverStretch(FileWindow& window1, FileWindow& window2, std::int64_t end);

// Compares the bytes [from, to) that both windows hold and adds each differing position to the
// list, in order, until the list is full; then confirms that both files still hold the stretch,
// since a file cut under its mapping reads as zeros in its last page. Returns the file that lost
// bytes under the scan, whose window says why; the list is then not to be used.
std::optional<Side> ConfirmedScan(FileWindow& window1, FileWindow& window2, std::int64_t from,
                                  std::int64_t to, DifferenceList& list);
