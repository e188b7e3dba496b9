#pragma once

#include <QListView>
#include <QStyledItemDelegate>

class RowListModel;

// Draws a row on one line with its tabs expanded to stops a fixed distance apart, cut instead of
// elided; every row is as wide as the widest, so that the list scrolls to its end. A row wider
// than the list has the whole of it as tooltip.
class RowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    RowDelegate(qreal tabStopDistance, QObject* parent);

    // The width of a row's text as drawn.
    qreal TextWidth(const QFont& font, const QString& text) const;
    void SetWidestRow(int width) { widestRow_ = width; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    // How a row's text is laid out: on one line, with the tab stops.
    QTextOption TextOption() const;

private:
    qreal tabStopDistance_;
    int widestRow_ = 0;
};

// A list box of the templates: unsorted rows, one selected at a time, a vertical scroll bar
// when the rows need one, and a horizontal one that reaches the end of the widest row when the
// template asks for it. Ctrl+C copies the selected row and Ctrl+Shift+C all rows, as the
// screen shows them; the context menu offers both.
class RowListView : public QListView {
    Q_OBJECT
public:
    RowListView(qreal tabStopDistance, Qt::ScrollBarPolicy horizontalScrollBar, QWidget* parent);
    RowListModel& Rows() const { return *model_; }

    // Removes every row and goes back to the top, so the next rows are read from their first.
    void Clear();
    void CopySelectedRow() const;
    // All rows, each ended by a line feed.
    void CopyAllRows() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // On a row that differs, scrolls the list sideways to where it differs.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void updateGeometries() override;
    bool viewportEvent(QEvent* event) override;

private:
    // Measures the rows added since the last time; true when the widest row grew.
    bool MeasureNewRows();

    RowListModel* model_;
    RowDelegate* delegate_;
    int measuredRows_ = 0;
    int widestRow_ = 0;
};
