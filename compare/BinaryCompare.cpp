#include "BinaryCompare.h"

#include "DifferenceTexts.h"
#include "File.h"
#include "ResultPanel.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {
constexpr DifferenceUnit kBytes{"ﾊﾞｲﾄ", 10000};
// Files are read in large blocks and compared with memcmp; only a stretch that differs is
// looked at byte by byte. The result is the same as stepping through them position by position.
constexpr std::size_t kBlockSize = 256 * 1024;
constexpr std::size_t kStretch = 256;

std::string_view LengthVerdict(std::int64_t length1, std::int64_t length2) {
    if (length1 > length2)
        return "File1 が File2 より長い";
    if (length1 == length2)
        return "File1 と File2 の長さは同じ";
    return "File2 が File1 より長い";
}

std::string DifferenceRow(std::int64_t offset, unsigned char byte1, unsigned char byte2) {
    char row[64];
    std::snprintf(row, sizeof row, "%08" PRIX64 " %02X : %02X", static_cast<std::uint64_t>(offset),
                  byte1, byte2);
    return row;
}

// Lists the differing positions of one pair of blocks; false once the limit has been passed.
bool ListDifferences(const unsigned char* block1, const unsigned char* block2, std::size_t count,
                     std::int64_t base, std::int64_t& differences, ResultPanel& panel) {
    if (std::memcmp(block1, block2, count) == 0)
        return true;
    for (std::size_t stretch = 0; stretch < count; stretch += kStretch) {
        const std::size_t stretchEnd = std::min(count, stretch + kStretch);
        if (std::memcmp(block1 + stretch, block2 + stretch, stretchEnd - stretch) == 0)
            continue;
        for (std::size_t at = stretch; at < stretchEnd; ++at) {
            if (block1[at] == block2[at])
                continue;
            panel.AddRow(
                DifferenceRow(base + static_cast<std::int64_t>(at), block1[at], block2[at]));
            if (++differences > kBytes.limit) {
                panel.AddRow(OverLimitRow(kBytes));
                return false;
            }
        }
    }
    return true;
}
} // namespace

CompareOutcome RunBinaryCompare(ResultPanel& panel, std::string path1, std::string path2) {
    panel.AddRow(" ｱﾄﾞﾚｽ");
    CFile file1;
    CFile file2;
    if (!file1.Open(path1))
        return CompareOutcome::File1Failed;
    if (!file2.Open(path2))
        return CompareOutcome::File2Failed;

    const std::int64_t length1 = file1.GetLength();
    const std::int64_t length2 = file2.GetLength();
    panel.SetLengthVerdict(LengthVerdict(length1, length2));

    const auto blocks = std::make_unique_for_overwrite<unsigned char[]>(2 * kBlockSize);
    unsigned char* const block1 = blocks.get();
    unsigned char* const block2 = blocks.get() + kBlockSize;
    std::int64_t base = 0;
    std::int64_t differences = 0;
    for (;;) {
        const auto count1 = file1.Read(block1, kBlockSize);
        if (!count1)
            return CompareOutcome::File1Failed;
        const auto count2 = file2.Read(block2, kBlockSize);
        if (!count2)
            return CompareOutcome::File2Failed;
        const std::size_t count = std::min(*count1, *count2);
        if (!ListDifferences(block1, block2, count, base, differences, panel))
            break;
        base += static_cast<std::int64_t>(count);
        if (count < kBlockSize)
            break;
    }
    file1.Close();
    file2.Close();

    panel.SetDifferenceSummary(DifferenceSummary(differences, kBytes));
    return differences == 0 && length1 == length2 ? CompareOutcome::Same
                                                  : CompareOutcome::Different;
}
