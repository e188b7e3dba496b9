#include "ui/DropBox.h"

#include "platform/qt/DropFiles.h"
#include "ui/FileList.h"

CDropBox::CDropBox(FileList& list) : list(list) {}

void CDropBox::OnDropFiles(HDROP drop) {
    list.AddOnTop(DroppedPaths(drop));
    Default();
}
