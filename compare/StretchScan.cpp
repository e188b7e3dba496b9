#include "compare/StretchScan.h"

#include "compare/ByteDifference.h"
#include "compare/ByteKernels.h"
#include "platform/files/FileWindow.h"
#include "platform/files/PageFaultGuard.h"

std::optional<Side> CoverStretch(FileWindow& window1, FileWindow& window2, std::int64_t end) {
    if (window1.Extend(end) == FileWindow::Status::Failed || window1.End() < end)
        return Side::File1;
    if (window2.Extend(end) == FileWindow::Status::Failed || window2.End() < end)
        return Side::File2;
    return std::nullopt;
}

std::optional<Side> ScanStretch(const FileWindow& window1, const FileWindow& window2,
                                std::int64_t from, std::int64_t to, DifferenceList& list) {
    const char* const bytes1 = window1.At(from);
    const char* const bytes2 = window2.At(from);
    const auto count = static_cast<std::size_t>(to - from);
    const void* const fault = RunGuarded([&] {
        std::size_t at = 0;
        while (!list.Full()) {
            at += FirstDifference(bytes1 + at, bytes2 + at, count - at);
            if (at == count)
                break;
            list.Add({from + static_cast<std::int64_t>(at), static_cast<unsigned char>(bytes1[at]),
                      static_cast<unsigned char>(bytes2[at])});
            ++at;
        }
    });
    if (!fault)
        return std::nullopt;
    return window2.Holds(fault) ? Side::File2 : Side::File1;
}
