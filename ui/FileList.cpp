#include "FileList.h"

#include "ComboBox.h"
#include "DisplayName.h"
#include "WinDefs.h"

FileList::FileList(CComboBox& combo) : combo(combo) {
    paths.reserve(kMaxPaths);
}

void FileList::Clear() {
    paths.clear();
}

bool FileList::IsFull() const {
    return paths.size() == kMaxPaths;
}

bool FileList::Add(int entry, const std::string& path) {
    if (IsFull())
        return false;
    const auto slot = static_cast<std::intptr_t>(paths.size());
    paths.push_back(path);
    combo.InsertString(entry, DisplayName(path));
    combo.SetItemData(entry, slot);
    return true;
}

void FileList::AddEachOnTop(std::span<const std::string> added) {
    if (IsFull())
        return;
    for (const std::string& path : added)
        if (!Add(0, path))
            break;
    combo.SetCurSel(0);
}

void FileList::AddOnTop(std::span<const std::string> added) {
    if (IsFull())
        return;
    for (int entry = 0; entry < static_cast<int>(added.size()); ++entry)
        if (!Add(entry, added[entry]))
            break;
    combo.SetCurSel(0);
}

std::optional<FileChoice> FileList::CurrentChoice() const {
    const int entry = combo.GetCurSel();
    if (entry == CB_ERR)
        return std::nullopt;
    return FileChoice{combo.GetLBText(entry),
                      paths.at(static_cast<std::size_t>(combo.GetItemData(entry)))};
}
