#include "ui/FileList.h"

#include "compare/DisplayName.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/WinDefs.h"

FileList::FileList(CComboBox& combo) : combo_(combo) {
    paths_.reserve(kMaxPaths);
}

void FileList::Clear() {
    paths_.clear();
}

bool FileList::IsFull() const {
    return paths_.size() == kMaxPaths;
}

bool FileList::Add(int entry, const std::string& path) {
    if (IsFull())
        return false;
    const auto slot = static_cast<std::intptr_t>(paths_.size());
    paths_.push_back(path);
    combo_.InsertString(entry, DisplayName(path));
    combo_.SetItemData(entry, slot);
    return true;
}

void FileList::AddOnTopReversed(std::span<const std::string> added) {
    if (IsFull())
        return;
    for (const std::string& path : added)
        if (!Add(0, path))
            break;
    combo_.SetCurSel(0);
}

void FileList::AddOnTopInOrder(std::span<const std::string> added) {
    if (IsFull())
        return;
    for (int entry = 0; entry < static_cast<int>(added.size()); ++entry)
        if (!Add(entry, added[entry]))
            break;
    combo_.SetCurSel(0);
}

std::optional<FileChoice> FileList::CurrentChoice() const {
    const int entry = combo_.GetCurSel();
    if (entry == CB_ERR)
        return std::nullopt;
    return FileChoice{combo_.GetLBText(entry),
                      paths_.at(static_cast<std::size_t>(combo_.GetItemData(entry)))};
}
