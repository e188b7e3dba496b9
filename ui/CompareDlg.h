#pragma once

#include "compare/CompareSettings.h"
#include "compare/CompareTuning.h"
#include "platform/files/FileAccess.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/Dialog.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/Icon.h"
#include "platform/qt/ListBox.h"
#include "platform/qt/Static.h"
#include "ui/DropBox.h"
#include "ui/FileList.h"

#include <utility>

// The main window: two file lists, each fed by its Browse button and by drops on its group
// box, the result area that a comparison run fills, and the caption that shows the compare
// mode. Every run compares under the settings it is given, which its settings dialog changes and
// which must outlive it; closing it ends the program. A run keeps the window painting and can be
// stopped with Escape; tests shrink its windows through the tuning and slow its reads down
// through the file access.
class CCompareDlg : public CDialog {
public:
    explicit CCompareDlg(CompareSettings& settings, CWnd* parent = nullptr,
                         CompareTuning tuning = {}, FileAccess access = {});

    // Lets a test stand in for the file dialog of both Browse buttons; an empty presenter brings
    // the real dialog back.
    void SetFileDialogPresenter(FileDialogPresenter presenter) {
        fileDialogs.presenter = std::move(presenter);
    }

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    bool OnInitDialog() override;
    void OnSysCommand(unsigned id) override;
    void OnPaint() override;

private:
    void OnBrowseFile1();
    void OnBrowseFile2();
    void OnExecute();
    void OnSettings();

    void UpdateTitle();
    void Browse(FileList& list);

    // Each list shows its entries in its combo box, and each drop box adds to its list, so the
    // combo boxes come first and the drop boxes last.
    CComboBox file2Combo;
    CComboBox file1Combo;
    FileList file1List{file1Combo};
    FileList file2List{file2Combo};
    CDropBox file2Box{file2List};
    CDropBox file1Box{file1List};
    CStatic summaryLabel;
    CStatic lengthLabel;
    CStatic name2Label;
    CStatic name1Label;
    CListBox resultList;
    Icon icon;
    CompareSettings& settings;
    CompareTuning tuning;
    FileAccess access;
    FileDialogSession fileDialogs;
};
