#include "ListBox.h"

#include "TestDialog.h"

#include <QAbstractItemView>
#include <QColor>
#include <QImage>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QAbstractItemView* ViewOf(CListBox& list) {
    return static_cast<QAbstractItemView*>(list.Widget());
}

QString Shown(CListBox& list, int row) {
    QAbstractItemView* view = ViewOf(list);
    return view->model()->data(view->model()->index(row, 0)).toString();
}

// The leftmost column of the first row that holds a dark pixel, or -1.
int FirstInkColumn(QAbstractItemView* view) {
    const QImage image = view->viewport()->grab().toImage();
    const int rowHeight = view->visualRect(view->model()->index(0, 0)).height();
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < rowHeight; ++y) {
            if (QColor(image.pixel(x, y)).lightness() < 128) {
                return x;
            }
        }
    }
    return -1;
}

} // namespace

TEST(ListBox, RowsKeepTheirBytesAndShowDecoded) {
    ProbeDialog dialog;
    std::vector<std::string> read;
    QStringList shown;
    int count = 0;
    int countAfterReset = -1;
    RunModal(dialog, [&](QWidget*) {
        CListBox& list = dialog.list;
        const std::vector<std::string> rows = {"\x83\x65\x83\x58\x83\x67\tx",
                                               std::string("a\0b", 3), "plain"};
        for (const std::string& row : rows) {
            list.AddString(row);
        }
        count = list.GetCount();
        for (int index = 0; index < count; ++index) {
            read.push_back(list.GetText(index));
            shown.append(Shown(list, index));
        }
        list.ResetContent();
        countAfterReset = list.GetCount();
    });
    EXPECT_EQ(count, 3);
    EXPECT_EQ(read, (std::vector<std::string>{"\x83\x65\x83\x58\x83\x67\tx", std::string("a\0b", 3),
                                              "plain"}));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("テスト\tx"), QStringLiteral("a\u2400b"),
                                  QStringLiteral("plain")}));
    EXPECT_EQ(countAfterReset, 0);
}

TEST(ListBox, TabsStopEveryThirtyTwoDialogUnitsAndWideRowsAreCut) {
    ProbeDialog dialog;
    int tabbedInk = -1;
    int horizontalRange = -1;
    int rowWidth = -1;
    int viewportWidth = -1;
    RunModal(dialog, [&](QWidget*) {
        dialog.list.AddString("\tX");
        dialog.list.AddString(std::string(400, 'W'));
        QAbstractItemView* view = ViewOf(dialog.list);
        view->doItemsLayout();
        tabbedInk = FirstInkColumn(view);
        horizontalRange = view->horizontalScrollBar()->maximum();
        rowWidth = view->visualRect(view->model()->index(1, 0)).right() + 1;
        viewportWidth = view->viewport()->width();
    });
    // 32 dialog units are 8 base units of 6 pixels, after the row's 2-pixel margin.
    EXPECT_GE(tabbedInk, 50);
    EXPECT_LE(tabbedInk, 52);
    EXPECT_EQ(horizontalRange, 0);
    EXPECT_LE(rowWidth, viewportWidth);
}

TEST(ListBox, TakesTwentyFourThousandRows) {
    ProbeDialog dialog;
    int count = 0;
    std::string last;
    RunModal(dialog, [&](QWidget*) {
        for (int row = 0; row < 24007; ++row) {
            dialog.list.AddString("row " + std::to_string(row));
        }
        count = dialog.list.GetCount();
        last = dialog.list.GetText(24006);
    });
    EXPECT_EQ(count, 24007);
    EXPECT_EQ(last, "row 24006");
}
