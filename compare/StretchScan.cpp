#include "compare/StretchScan.h"

#include "compare/ByteDifference.h"
#include "compare/ByteKernels.h"
#include "platform/files/FileWindow.h"

std::optional<Side> CoverStretch(FileWindow& window1, FileWindow& window2, std::int64_t end) {
    if (window1.Extend(end) == FileWindow::Status::Failed || window1.End() < end)
        return Side::File1;
    if (window2.Extend(end) == FileWindow::Status::Failed || window2.End() < end)
        return Side::File2;
    return std::nullopt;
}

std::optional<Side> ConfirmedScan(FileWindow& window1, FileWindow& window2, std::int64_t from,
                                  std::int64_t to, DifferenceList& list) {
    const auto lost = ReadBothFiles(window1, {from, to}, window2, {from, to},
                                    [&](std::string_view bytes1, std::string_view bytes2) {
                                        const std::size_t count = bytes1.size();
                                        std::size_t at = 0;
                                        while (!list.Full()) {
                                            at += FirstDifference(bytes1.data() + at,
                                                                  bytes2.data() + at, count - at);
                                            if (at == count)
                                                break;
                                            list.Add({from + static_cast<std::int64_t>(at),
                                                      static_cast<unsigned char>(bytes1[at]),
                                                      static_cast<unsigned char>(bytes2[at])});
                                            ++at;
                                        }
                                    });
    if (lost)
        return lost;
    if (window1.Confirm(to) == FileWindow::Status::Failed)
        return Side::File1;
    if (window2.Confirm(to) == FileWindow::Status::Failed)
        return Side::File2;
    return std::nullopt;
}
