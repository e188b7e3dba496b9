#include "platform/qt/ListBox.h"

#include "tests/platform/qt/TestDialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

QAbstractItemView* ViewOf(CListBox& list) {
    return static_cast<QAbstractItemView*>(list.Widget());
}

QString Shown(CListBox& list, int row) {
    QAbstractItemView* view = ViewOf(list);
    return view->model()->data(view->model()->index(row, 0)).toString();
}

bool HasInk(const QImage& image, int x, int rowHeight) {
    for (int y = 0; y < rowHeight; ++y)
        if (QColor(image.pixel(x, y)).lightness() < 128)
            return true;
    return false;
}

// The leftmost or rightmost column of the first row that holds a dark pixel, or -1.
int FirstInkColumn(QAbstractItemView* view) {
    const QImage image = view->viewport()->grab().toImage();
    const int rowHeight = view->visualRect(view->model()->index(0, 0)).height();
    for (int x = 0; x < image.width(); ++x)
        if (HasInk(image, x, rowHeight))
            return x;
    return -1;
}

int LastInkColumn(QAbstractItemView* view) {
    const QImage image = view->viewport()->grab().toImage();
    const int rowHeight = view->visualRect(view->model()->index(0, 0)).height();
    for (int x = image.width() - 1; x >= 0; --x)
        if (HasInk(image, x, rowHeight))
            return x;
    return -1;
}

void Select(CListBox& list, int row) {
    QAbstractItemView* view = ViewOf(list);
    view->setCurrentIndex(view->model()->index(row, 0));
}

QString Clipboard() {
    return QApplication::clipboard()->text();
}

void PressOn(CListBox& list, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(ViewOf(list), Qt::Key_C, modifiers);
}

// Right-clicks the row, copies what the menu that opens holds and chooses the item.
std::vector<std::pair<QString, bool>> ChooseFromRowMenu(CListBox& list, int row,
                                                        const QString& choice) {
    std::vector<std::pair<QString, bool>> items;
    RunOnNextPopup([&items, choice](QWidget* popup) {
        auto* menu = static_cast<QMenu*>(popup);
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            items.emplace_back(action->text(), action->isEnabled());
            chosen = action->text() == choice ? action : chosen;
        }
        if (chosen && chosen->isEnabled())
            chosen->trigger();
        menu->close();
    });
    QAbstractItemView* view = ViewOf(list);
    QWidget* window = view->window();
    const QPoint center = row < 0
                              ? view->rect().center()
                              : QPoint(view->viewport()->width() / 2,
                                       view->visualRect(view->model()->index(row, 0)).center().y());
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {},
                      view->viewport()->mapTo(window, center));
    return items;
}

// The tooltip that a pause of the mouse over the row brings up, or an empty text for none.
QString TipOverRow(CListBox& list, int row) {
    QAbstractItemView* view = ViewOf(list);
    const QPoint pos = view->visualRect(view->model()->index(row, 0)).center();
    QHelpEvent event(QEvent::ToolTip, pos, view->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view->viewport(), &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
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
        for (const std::string& row : rows)
            list.AddString(row);
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
    // Each control byte shows as its own picture, which the face the rows fall back on draws.
    const QFontMetrics fallback(QFont(QStringLiteral("FreeMono")));
    for (char32_t picture = 0x2400; picture <= 0x2421; ++picture)
        EXPECT_TRUE(fallback.inFontUcs4(picture)) << std::hex << static_cast<unsigned>(picture);
}

TEST(ListBox, TabsStopEveryThirtyTwoDialogUnitsAndTheListScrollsToTheEndOfItsWidestRow) {
    ProbeDialog dialog;
    int tabbedInk = -1;
    bool tabMarked = false;
    int horizontalRange = -1;
    int inkAtTheEnd = -1;
    int viewportWidth = -1;
    int rangeAfterReset = -1;
    RunModal(dialog, [&](QWidget*) {
        dialog.list.AddString("\tX");
        dialog.list.AddString(std::string(400, 'W'));
        dialog.list.AddString(std::string(300, 'i'));
        QAbstractItemView* view = ViewOf(dialog.list);
        view->doItemsLayout();
        tabbedInk = FirstInkColumn(view);
        const QImage tabbed = view->viewport()->grab().toImage();
        for (int y = 0; y < view->visualRect(view->model()->index(0, 0)).height(); ++y)
            tabMarked = tabMarked || QColor(tabbed.pixel(25, y)).lightness() < 240;
        viewportWidth = view->viewport()->width();
        horizontalRange = view->horizontalScrollBar()->maximum();
        view->horizontalScrollBar()->setValue(horizontalRange);
        const QImage image = view->viewport()->grab().toImage();
        const QRect row = view->visualRect(view->model()->index(1, 0));
        for (int x = image.width() - 1; x >= 0 && inkAtTheEnd < 0; --x)
            for (int y = row.top(); y <= row.bottom() && inkAtTheEnd < 0; ++y)
                if (QColor(image.pixel(x, y)).lightness() < 128)
                    inkAtTheEnd = x;
        dialog.list.ResetContent();
        dialog.list.AddString("short");
        view->doItemsLayout();
        rangeAfterReset = view->horizontalScrollBar()->maximum();
    });
    // 32 dialog units are 8 base units of 6 pixels, after the row's 2-pixel margin.
    EXPECT_GE(tabbedInk, 50);
    EXPECT_LE(tabbedInk, 52);
    EXPECT_TRUE(tabMarked) << "a faint arrow across the tab";
    EXPECT_GT(horizontalRange, 400 * 6 - viewportWidth);
    EXPECT_GE(inkAtTheEnd, viewportWidth - 12) << "scrolled to its end, the widest row ends";
    EXPECT_EQ(rangeAfterReset, 0);
}

TEST(ListBox, TakesTwentyFourThousandRows) {
    ProbeDialog dialog;
    int count = 0;
    std::string last;
    RunModal(dialog, [&](QWidget*) {
        for (int row = 0; row < 24007; ++row)
            dialog.list.AddString("row " + std::to_string(row));
        count = dialog.list.GetCount();
        last = dialog.list.GetText(24006);
    });
    EXPECT_EQ(count, 24007);
    EXPECT_EQ(last, "row 24006");
}

TEST(ListBox, ALongRowIsDecodedOnceAndOnlyAsFarAsTheListScrolls) {
    ProbeDialog dialog;
    std::string longRow;
    for (int index = 0; index < (1 << 19); ++index)
        longRow += "\x83\x65"; // テ in Shift-JIS
    longRow += "\xFF";
    std::string readBack;
    QString shown;
    bool shownAgainFromTheSameText = false;
    int lastInk = -1;
    int viewportWidth = 0;
    RunModal(dialog, [&](QWidget*) {
        dialog.list.AddString(longRow);
        QAbstractItemView* view = ViewOf(dialog.list);
        view->doItemsLayout();
        lastInk = LastInkColumn(view);
        viewportWidth = view->viewport()->width();
        shown = Shown(dialog.list, 0);
        view->viewport()->grab();
        shownAgainFromTheSameText = Shown(dialog.list, 0).constData() == shown.constData();
        readBack = dialog.list.GetText(0);
    });
    EXPECT_EQ(readBack, longRow);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("テテテ")));
    EXPECT_LE(shown.size(), 2004);
    EXPECT_TRUE(shownAgainFromTheSameText);
    // The part decoded still reaches the list's right edge.
    EXPECT_GE(lastInk, viewportWidth - 8);
}

TEST(ListBox, CopiesTheSelectedRowOrAllRowsAsTheScreenShowsThem) {
    ProbeDialog dialog;
    const std::string longRow = std::string(100000, 'x') + "end";
    const QString copyItem = QStringLiteral("コピー(&C)");
    const QString copyAllItem = QStringLiteral("すべてコピー(&A)");
    QString longCopied;
    QString rowCopied;
    QString allCopied;
    QString menuCopied;
    std::vector<std::pair<QString, bool>> menuOverRow;
    std::vector<std::pair<QString, bool>> menuWhenEmpty;
    RunModal(dialog, [&](QWidget*) {
        CListBox& list = dialog.list;
        list.AddString("\x83\x65\x83\x58\x83\x67\tx");
        list.AddString(std::string("a\0b\x1B", 4));
        list.AddString(longRow);
        Select(list, 2);
        PressOn(list, Qt::ControlModifier);
        longCopied = Clipboard();
        Select(list, 0);
        PressOn(list, Qt::ControlModifier);
        rowCopied = Clipboard();
        PressOn(list, Qt::ControlModifier | Qt::ShiftModifier);
        allCopied = Clipboard();
        menuOverRow = ChooseFromRowMenu(list, 1, copyItem);
        menuCopied = Clipboard();
        list.ResetContent();
        QApplication::clipboard()->clear();
        menuWhenEmpty = ChooseFromRowMenu(list, -1, copyAllItem);
    });
    EXPECT_EQ(longCopied, QString::fromStdString(longRow));
    EXPECT_EQ(rowCopied, QStringLiteral("テスト\tx"));
    EXPECT_EQ(allCopied, QStringLiteral("テスト\tx\na\u2400b\u241B\n") +
                             QString::fromStdString(longRow) + u'\n');
    // The right-click picks the row it lands on; the dialog's system menu stays away.
    EXPECT_EQ(menuOverRow,
              (std::vector<std::pair<QString, bool>>{{copyItem, true}, {copyAllItem, true}}));
    EXPECT_EQ(menuCopied, QStringLiteral("a\u2400b\u241B"));
    EXPECT_EQ(menuWhenEmpty,
              (std::vector<std::pair<QString, bool>>{{copyItem, false}, {copyAllItem, false}}));
}

TEST(ListBox, ARowCutAtTheRightEdgeShowsItsWholeTextAsTooltip) {
    ProbeDialog dialog;
    const std::string wideRow = std::string(200, 'W') + "\tend";
    const std::string megabyteRow(std::size_t{1} << 20, 'M');
    QString tipOverShortRow;
    QString tipOverWideRow;
    QString tipOverMegabyteRow;
    RunModal(dialog, [&](QWidget*) {
        dialog.list.AddString("short");
        dialog.list.AddString(wideRow);
        dialog.list.AddString(megabyteRow);
        ViewOf(dialog.list)->doItemsLayout();
        tipOverShortRow = TipOverRow(dialog.list, 0);
        tipOverWideRow = TipOverRow(dialog.list, 1);
        tipOverMegabyteRow = TipOverRow(dialog.list, 2);
        QToolTip::hideText();
    });
    EXPECT_EQ(tipOverShortRow, QString());
    EXPECT_EQ(tipOverWideRow, QString::fromStdString(wideRow));
    // A row too long to read in a tooltip shows its start.
    EXPECT_EQ(tipOverMegabyteRow, QString(2000, u'M') + QStringLiteral("…"));
}

TEST(ListBox, AMarkedRowTellsWhereItDiffersAndADoubleClickScrollsThere) {
    ProbeDialog dialog;
    const std::string farRow = std::string(300, 'a') + "XYZ";
    QString tipOverFarRow;
    QString tipOverNearRow;
    int scrolledTo = -1;
    int markAt = -1;
    int viewportWidth = 0;
    QString copied;
    RunModal(dialog, [&](QWidget* window) {
        dialog.list.AddString(farRow);
        dialog.list.MarkRow(0, 300, 303);
        dialog.list.AddString("\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88"); // テスト in UTF-8
        dialog.list.MarkRow(1, 3, 6);
        QAbstractItemView* view = ViewOf(dialog.list);
        view->doItemsLayout();
        tipOverFarRow = TipOverRow(dialog.list, 0);
        tipOverNearRow = TipOverRow(dialog.list, 1);
        QToolTip::hideText();
        const QPoint inRow(20, view->visualRect(view->model()->index(0, 0)).center().y());
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                           view->viewport()->mapTo(window, inRow));
        scrolledTo = view->horizontalScrollBar()->value();
        markAt = 300 * QFontMetrics(view->font()).horizontalAdvance(u'a');
        viewportWidth = view->viewport()->width();
        Select(dialog.list, 0);
        PressOn(dialog.list, Qt::ControlModifier);
        copied = Clipboard();
    });
    EXPECT_EQ(tipOverFarRow,
              QStringLiteral("301 桁目から違います\n") + QString::fromStdString(farRow));
    EXPECT_EQ(tipOverNearRow, QStringLiteral("2 桁目から違います"));
    EXPECT_GT(markAt, scrolledTo) << "the mark is in view after the double-click";
    EXPECT_LT(markAt, scrolledTo + viewportWidth);
    EXPECT_EQ(copied, QString::fromStdString(farRow)) << "copies carry no marks";
}
