#include "platform/qt/DropFiles.h"

bool DragQueryFile(HDROP drop, int index, std::string& path) {
    if (!drop || index < 0 || static_cast<std::size_t>(index) >= drop->paths.size())
        return false;
    path = drop->paths[static_cast<std::size_t>(index)];
    return true;
}

std::vector<std::string> DroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    std::string path;
    for (int index = 0; DragQueryFile(drop, index, path); ++index)
        paths.push_back(path);
    return paths;
}
