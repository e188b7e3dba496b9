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

std::optional<Side> ConfirmedScan(FileWindow& window1, FileWindow& window2, std::int64_t from,
                                  std::int64_t to, DifferenceList& list) {
    const char* const bytes1 = window1.At(from);
    const char* const bytes2 = window2.At(from);
    const auto count = static_cast<std::size_t>(to - from);
    const void* const fault = RunGuarded({window1.Mapping(), window2.Mapping()}, [&] {
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
    if (fault) {
        const Side lost = window2.Holds(fault) ? Side::File2 : Side::File1;
        (lost == Side::File1 ? window1 : window2).FaultAt(fault);
        return lost;
    }
    if (window1.Confirm(to) == FileWindow::Status::Failed)
        return Side::File1;
    if (window2.Confirm(to) == FileWindow::Status::Failed)
        return Side::File2;
    return std::nullopt;
}
