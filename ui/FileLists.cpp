// The main dialog's two file lists: each side keeps up to 256 full paths in the order they
// arrived, and its combo box shows their display names, each entry carrying its path's slot.
#include "CompareDlg.h"

#include "CompareRequest.h"
#include "ComparisonRun.h"
#include "DialogResultPanel.h"
#include "DialogRunHost.h"
#include "DisplayName.h"
#include "FileDialog.h"
#include "ProcessSettings.h"
#include "WinDefs.h"

#include <cassert>

namespace {
constexpr unsigned kBrowseFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ALLOWMULTISELECT;
constexpr std::string_view kAllFilesFilter = "すべてのﾌｧｲﾙ (*.*)|*.*|";
} // namespace

const std::string& CCompareDlg::PathInSlot(std::int32_t side, int slot) const {
    return paths.at(side).at(slot);
}

std::int32_t CCompareDlg::PathCount(std::int32_t side) const {
    return counts.at(side);
}

CComboBox& CCompareDlg::ComboOf(std::int32_t side) {
    assert(side == 0 || side == 1);
    return side == 0 ? file1Combo : file2Combo;
}

void CCompareDlg::StorePath(std::int32_t side, int entry, const std::string& path) {
    CComboBox& combo = ComboOf(side);
    paths[side][counts[side]] = path;
    combo.InsertString(entry, DisplayName(path));
    combo.SetItemData(entry, counts[side]);
    ++counts[side];
}

void CCompareDlg::OnBrowseFile1() {
    Browse(0);
}

void CCompareDlg::OnBrowseFile2() {
    Browse(1);
}

void CCompareDlg::Browse(std::int32_t side) {
    if (counts[side] == kMaxPaths) {
        return;
    }
    CFileDialog dialog(true, {}, {}, kBrowseFlags, kAllFilesFilter);
    if (dialog.DoModal() == IDCANCEL) {
        return;
    }
    // Each file goes in at the top, so a multiple selection ends up in reverse order with its
    // last file selected. Files beyond a full side are left out.
    std::size_t position = dialog.GetStartPosition();
    while (position != 0 && counts[side] < kMaxPaths) {
        StorePath(side, 0, dialog.GetNextPathName(position));
    }
    ComboOf(side).SetCurSel(0);
}

void CCompareDlg::AddDroppedFiles(std::int32_t side, HDROP drop) {
    CComboBox& combo = ComboOf(side);
    if (counts[side] == kMaxPaths) {
        return;
    }
    std::string path;
    for (int index = 0; counts[side] < kMaxPaths && DragQueryFile(drop, index, path); ++index) {
        StorePath(side, index, path);
    }
    combo.SetCurSel(0);
}

void CCompareDlg::ReadChoice(std::int32_t side, bool& hasFile, std::string& name,
                             std::string& path) {
    CComboBox& combo = ComboOf(side);
    const int entry = combo.GetCurSel();
    hasFile = entry != CB_ERR;
    if (!hasFile) {
        return;
    }
    // New entries go in at the top, so an entry's position says nothing about its slot.
    name = combo.GetLBText(entry);
    path = paths[side].at(combo.GetItemData(entry));
}

void CCompareDlg::OnExecute() {
    CompareRequest request;
    ReadChoice(0, request.hasFile1, request.name1, request.path1);
    ReadChoice(1, request.hasFile2, request.name2, request.path2);
    DialogResultPanel panel(resultList, name1Label, name2Label, lengthLabel, summaryLabel);
    DialogRunHost host(*this);
    RunComparison(request, compareSettings, panel, host);
}
