#pragma once

#include <QListView>
#include <QStyledItemDelegate>

class RowListModel;

// Draws a row on one line with its tabs expanded to stops a fixed distance apart, cut at the
// right edge of the list instead of elided; a row that is cut has the whole of it as tooltip.
class RowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    RowDelegate(qreal tabStopDistance, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    QTextOption TextOption() const;

    qreal tabStopDistance_;
};

// A list box of the templates: unsorted rows, one selected at a time, a vertical scroll bar
// when the rows need one and never a horizontal one. Ctrl+C copies the selected row and
// Ctrl+Shift+C all rows, as the screen shows them; the context menu offers both.
class RowListView : public QListView {
    Q_OBJECT
public:
    RowListView(qreal tabStopDistance, QWidget* parent);
    RowListModel& Rows() const { return *model_; }

    // Removes every row and goes back to the top, so the next rows are read from their first.
    void Clear();
    void CopySelectedRow() const;
    // All rows, each ended by a line feed.
    void CopyAllRows() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    RowListModel* model_;
};
