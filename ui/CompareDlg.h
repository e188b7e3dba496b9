#pragma once

#include "ComboBox.h"
#include "Dialog.h"
#include "DropBox.h"
#include "Icon.h"
#include "ListBox.h"
#include "Static.h"

#include <array>
#include <cstdint>
#include <string>

struct CompareRequest;

// The main window: two file lists, each fed by its Browse button and by drops on its group
// box, the result area that a comparison run fills, and the caption that shows the compare
// mode. Opening it resets the comparison settings; closing it ends the program.
class CCompareDlg : public CDialog {
public:
    static constexpr int kSides = 2;
    static constexpr int kMaxPaths = 256;

    explicit CCompareDlg(CWnd* parent = nullptr);

    // Puts the local files of a drop at the top of a side's list, in the drop's order, and
    // selects the first; a full side takes no more.
    void AddDroppedFiles(std::int32_t side, HDROP drop);

    // The full path stored in a side's slot (empty when the slot is free) and the number of
    // filled slots; the combo boxes' item data name these slots.
    const std::string& PathInSlot(std::int32_t side, int slot) const;
    std::int32_t PathCount(std::int32_t side) const;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    bool OnInitDialog() override;
    void OnSysCommand(unsigned id, std::intptr_t param) override;
    void OnPaint() override;
    Icon OnQueryDragIcon() override;

private:
    void OnBrowseFile1();
    void OnBrowseFile2();
    void OnExecute();
    void OnSettings();

    void UpdateTitle();
    void Browse(std::int32_t side);
    void ReadChoice(std::int32_t side, bool& hasFile, std::string& name, std::string& path);
    CComboBox& ComboOf(std::int32_t side);
    void StorePath(std::int32_t side, int entry, const std::string& path);

    std::array<std::array<std::string, kMaxPaths>, kSides> paths;
    std::array<std::int32_t, kSides> counts{};
    CDropBox file2Box;
    CDropBox file1Box;
    CStatic summaryLabel;
    CStatic lengthLabel;
    CStatic name2Label;
    CStatic name1Label;
    CListBox resultList;
    CComboBox file2Combo;
    CComboBox file1Combo;
    Icon icon;
};
