#pragma once

#include "platform/qt/Button.h"

class FileList;

// A group box that puts files dropped on it at the top of the file list it was given.
class CDropBox : public CButton {
public:
    // The list must outlive the box.
    explicit CDropBox(FileList& list);

    void OnDropFiles(HDROP drop) override;

private:
    FileList& list_;
};
