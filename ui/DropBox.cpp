#include "ui/DropBox.h"

#include "platform/qt/DropFiles.h"
#include "ui/FileList.h"

CDropBox::CDropBox(FileList& list) : list_(list) {}

void CDropBox::OnDropFiles(HDROP drop) {
    list_.AddOnTopInOrder(DroppedPaths(drop));
    Default();
}
