#include "ui/FileList.h"

#include "platform/qt/ComboBox.h"
#include "platform/qt/Dialog.h"
#include "platform/qt/WinDefs.h"
#include "res/Resources.h"
#include "res/resource.h"
#include "tests/platform/qt/support/ModalDriver.h"
#include "tests/ui/DialogTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<ComboEntry>;

// A list over the File1 combo box of the main window's template, with nothing else wired.
class ListHost : public CDialog {
public:
    ListHost() : CDialog(LoadDialogTemplate(IDD_COMPARE_DIALOG)) {}

    void DoDataExchange(CDataExchange* exchange) override {
        CDialog::DoDataExchange(exchange);
        DDX_Control(exchange, IDC_FILE1_COMBO, combo);
    }

    CComboBox combo;
    FileList list{combo};
};

// Runs the steps with the list's combo box on screen.
void WithList(ListHost& host, const std::function<void()>& steps) {
    RunModal(
        host, [&](QWidget*) { steps(); });
}

// The choice with the entry at `index` selected.
std::optional<FileChoice> ChoiceAt(ListHost& host, int index) {
    host.combo.SetCurSel(index);
    return host.list.CurrentChoice();
}

} // namespace

TEST(FileList, EachPathGoesOnTopInTurnAndEveryEntryLeadsToItsOwnSlot) {
    ListHost host;
    std::optional<FileChoice> noChoice = FileChoice{};
    Entries entries;
    int selected = CB_ERR;
    std::vector<std::optional<FileChoice>> choices;
    WithList(host, [&] {
        noChoice = host.list.CurrentChoice();
        host.list.AddOnTopReversed(std::vector<std::string>{"/data/x.txt"});
        host.list.AddOnTopReversed(
            std::vector<std::string>{"/data/p.txt", "/other/q.txt", "/data/p.txt", "/data/"});
        entries = EntriesOf(host.combo);
        selected = host.combo.GetCurSel();
        for (int index = 0; index < host.combo.GetCount(); ++index)
            choices.push_back(ChoiceAt(host, index));
    });
    EXPECT_EQ(noChoice, std::nullopt);
    // The same file twice takes two slots; a folder's path ending in a separator shows no name.
    EXPECT_EQ(entries, (Entries{{"", 4}, {"p.txt", 3}, {"q.txt", 2}, {"p.txt", 1}, {"x.txt", 0}}));
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(choices, (std::vector<std::optional<FileChoice>>{{{"", "/data/"}},
                                                               {{"p.txt", "/data/p.txt"}},
                                                               {{"q.txt", "/other/q.txt"}},
                                                               {{"p.txt", "/data/p.txt"}},
                                                               {{"x.txt", "/data/x.txt"}}}));
}

TEST(FileList, PathsGoOnTopInTheirOwnOrderAndTheFirstIsSelected) {
    ListHost host;
    Entries entries;
    int selectedAfterAdding = CB_ERR;
    int selectedAfterAddingNothing = CB_ERR;
    int selectedInAnEmptyList = 0;
    WithList(host, [&] {
        host.list.AddOnTopInOrder(std::vector<std::string>{});
        selectedInAnEmptyList = host.combo.GetCurSel();
        host.list.AddOnTopInOrder(std::vector<std::string>{"/data/x.txt"});
        host.list.AddOnTopInOrder(
            std::vector<std::string>{"/data/p.txt", "/data/q.txt", "/data/r.txt"});
        entries = EntriesOf(host.combo);
        selectedAfterAdding = host.combo.GetCurSel();
        host.combo.SetCurSel(3);
        host.list.AddOnTopInOrder(std::vector<std::string>{});
        selectedAfterAddingNothing = host.combo.GetCurSel();
    });
    EXPECT_EQ(selectedInAnEmptyList, CB_ERR);
    EXPECT_EQ(entries, (Entries{{"p.txt", 1}, {"q.txt", 2}, {"r.txt", 3}, {"x.txt", 0}}));
    EXPECT_EQ(selectedAfterAdding, 0);
    EXPECT_EQ(selectedAfterAddingNothing, 0);
}

TEST(FileList, AFullListTakesNoMoreAndKeepsItsSelection) {
    ListHost host;
    Entries topAfterFilling;
    bool fullAfterFilling = false;
    std::optional<FileChoice> lastSlot;
    int selectedAfterMore = 0;
    int count = 0;
    ListHost other;
    Entries otherEntries;
    WithList(host, [&] {
        host.list.AddOnTopInOrder(NumberedPaths("/a/", 254));
        host.list.AddOnTopInOrder(std::vector<std::string>{"/c/1.txt", "/c/2.txt", "/c/3.txt"});
        fullAfterFilling = host.list.IsFull();
        topAfterFilling = EntriesOf(host.combo);
        topAfterFilling.resize(3);
        lastSlot = ChoiceAt(host, 1);
        host.combo.SetCurSel(5);
        host.list.AddOnTopInOrder(std::vector<std::string>{"/c/4.txt"});
        host.list.AddOnTopReversed(std::vector<std::string>{"/c/5.txt"});
        selectedAfterMore = host.combo.GetCurSel();
        count = host.combo.GetCount();
    });
    WithList(other, [&] {
        other.list.AddOnTopReversed(NumberedPaths("/d/", 255));
        other.list.AddOnTopReversed(std::vector<std::string>{"/e/p.txt", "/e/q.txt"});
        otherEntries = EntriesOf(other.combo);
    });
    EXPECT_TRUE(fullAfterFilling);
    EXPECT_EQ(topAfterFilling, (Entries{{"1.txt", 254}, {"2.txt", 255}, {"0.bin", 0}}));
    ASSERT_TRUE(lastSlot);
    EXPECT_EQ(lastSlot->path, "/c/2.txt");
    EXPECT_EQ(selectedAfterMore, 5);
    EXPECT_EQ(count, FileList::kMaxPaths);
    EXPECT_EQ(otherEntries.size(), 256u);
    EXPECT_EQ(otherEntries[0], (ComboEntry{"p.txt", 255}));
}
