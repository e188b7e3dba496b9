#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

class CComboBox;

// The entry chosen in a file list: the name it shows and the full path behind it.
struct FileChoice {
    std::string name;
    std::string path;
    bool operator==(const FileChoice&) const = default;
};

// One side's file list: up to 256 full paths, kept in the order they came, and the combo box
// that shows them by display name, each entry carrying the slot of its path. Entries go in at
// the top, so an entry's position says nothing about its slot. Paths are only ever added; a
// full list takes no more.
class FileList {
public:
    static constexpr int kMaxPaths = 256;

    // The combo box must outlive the list.
    explicit FileList(CComboBox& combo);

    // Forgets every path, for a dialog that opens again with its combo box made afresh.
    void Clear();
    bool IsFull() const;

    // Puts the paths at the top in reverse order (each in turn goes on top, so the last one
    // ends first) and selects the top entry. A full list changes nothing, not even the selection.
    void AddOnTopReversed(std::span<const std::string> paths);
    // Puts the paths at the top in their own order and selects the top entry. A full list
    // changes nothing, not even the selection.
    void AddOnTopInOrder(std::span<const std::string> paths);

    // The selected entry's name and the path in its slot; nothing when no entry is selected.
    std::optional<FileChoice> CurrentChoice() const;

private:
    // Stores the path in the next slot and shows it at the entry; false when the list is full.
    bool Add(int entry, const std::string& path);

    CComboBox& combo_;
    std::vector<std::string> paths_;
};
