#pragma once

#include <string>
#include <vector>

// The local files of one drop, in the drop's order, as byte paths.
struct DropList {
    std::vector<std::string> paths;
};
using HDROP = const DropList*;

// Copies the path of the dropped file with the given index, whole; false past the last one.
bool DragQueryFile(HDROP drop, int index, std::string& path);

// Every path of the drop, in the drop's order.
std::vector<std::string> DroppedPaths(HDROP drop);
