#include "platform/qt/ComboBox.h"

#include "platform/qt/detail/DialogUnits.h"
#include "platform/resource/DialogTemplate.h"
#include "tests/platform/qt/TestDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// "ファイル.txt" in Shift-JIS.
const std::string kShiftJisName = "\x83\x74\x83\x40\x83\x43\x83\x8B.txt";

struct ComboState {
    int count = 0;
    int selected = 0;
    std::vector<std::string> texts;
    std::vector<std::intptr_t> data;
    QStringList shown;
};

ComboState StateOf(CComboBox& combo) {
    ComboState state{combo.GetCount(), combo.GetCurSel(), {}, {}, {}};
    const auto* widget = static_cast<QComboBox*>(combo.Widget());
    for (int index = 0; index < combo.GetCount(); ++index) {
        state.texts.push_back(combo.GetLBText(index));
        state.data.push_back(combo.GetItemData(index));
        state.shown.append(widget->itemText(index));
    }
    return state;
}

} // namespace

TEST(ComboBox, EntriesKeepTheirBytesDataAndPlace) {
    ProbeDialog dialog;
    ComboState empty;
    ComboState afterInserts;
    ComboState afterSelect;
    std::vector<int> results;
    RunModal(dialog, [&](QWidget*) {
        CComboBox& combo = dialog.combo;
        empty = StateOf(combo);
        results.push_back(combo.InsertString(0, "older"));
        combo.SetItemData(0, 0);
        results.push_back(combo.InsertString(0, kShiftJisName));
        combo.SetItemData(0, 1);
        results.push_back(combo.InsertString(1, "middle"));
        combo.SetItemData(1, 255);
        results.push_back(combo.InsertString(-1, "last"));
        results.push_back(combo.InsertString(9, "past the end"));
        afterInserts = StateOf(combo);
        results.push_back(combo.SetCurSel(2));
        results.push_back(combo.InsertString(0, "above"));
        afterSelect = StateOf(combo);
        results.push_back(combo.SetCurSel(7));
        results.push_back(combo.GetCurSel());
    });
    EXPECT_EQ(empty.count, 0);
    EXPECT_EQ(empty.selected, CB_ERR);
    EXPECT_EQ(results, (std::vector<int>{0, 0, 1, 3, CB_ERR, 2, 0, CB_ERR, CB_ERR}));
    EXPECT_EQ(afterInserts.selected, CB_ERR);
    EXPECT_EQ(afterInserts.texts,
              (std::vector<std::string>{kShiftJisName, "middle", "older", "last"}));
    EXPECT_EQ(afterInserts.data[0], 1);
    EXPECT_EQ(afterInserts.data[1], 255);
    EXPECT_EQ(afterInserts.data[2], 0);
    EXPECT_EQ(afterInserts.shown.front(), QStringLiteral("ファイル.txt"));
    // An entry inserted above the selection moves it down with the selected entry.
    EXPECT_EQ(afterSelect.selected, 3);
    EXPECT_EQ(afterSelect.texts[3], "older");
    EXPECT_EQ(dialog.combo.GetLBText(99), "");
}

TEST(ComboBox, DropDownListKeepsTheTemplateHeightBelowTheBox) {
    ProbeDialog dialog;
    QRect closed;
    QRect list;
    int rowHeight = 0;
    int templateHeight = 0;
    bool listShown = false;
    RunModal(dialog, [&](QWidget* window) {
        CComboBox& combo = dialog.combo;
        for (int index = 0; index < 256; ++index)
            combo.InsertString(-1, "entry " + std::to_string(index));
        combo.SetCurSel(200);
        auto* widget = static_cast<QComboBox*>(combo.Widget());
        // The probe template gives the combo box 80 dialog units, its list included.
        templateHeight = ToPixels(DialogRect{0, 0, 0, 80}, BaseUnitsOf(window->font())).height();
        widget->showPopup();
        QWidget* popup = widget->view()->window();
        listShown = popup->isVisible();
        closed = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        list = popup->geometry();
        rowHeight = widget->view()->visualRect(widget->model()->index(0, 0)).height();
        widget->hidePopup();
    });
    ASSERT_TRUE(listShown);
    ASSERT_GT(rowHeight, 0);
    EXPECT_GE(list.top(), closed.bottom()) << "the list opens below the box";
    EXPECT_LE(closed.height() + list.height(), templateHeight);
    EXPECT_GT(closed.height() + list.height(), templateHeight - 2 * rowHeight);
}
