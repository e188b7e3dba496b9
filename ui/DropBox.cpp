#include "ui/DropBox.h"

#include "ui/FileList.h"

#include <string>
#include <vector>

CDropBox::CDropBox(FileList& list) : list(list) {}

void CDropBox::OnDropFiles(HDROP drop) {
    std::vector<std::string> paths;
    std::string path;
    for (int index = 0; DragQueryFile(drop, index, path); ++index)
        paths.push_back(path);
    list.AddOnTop(paths);
    Default();
}
