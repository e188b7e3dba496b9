#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

#include <string>
#include <string_view>
#include <vector>

// The rows of a list box, kept as the bytes they were added with; the view asks for the
// decoded text only of the rows it draws, so long lists stay cheap.
class RowListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void Clear();
    int Append(std::string_view row);
    const std::string& Row(int index) const { return rows_[static_cast<std::size_t>(index)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> rows_;
};

// Draws a row on one line with its tabs expanded to stops a fixed distance apart, cut at the
// right edge of the list instead of elided.
class RowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    RowDelegate(qreal tabStopDistance, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    qreal tabStopDistance_;
};

// A list box of the templates: unsorted rows, one selected at a time, a vertical scroll bar
// when the rows need one and never a horizontal one.
class RowListView : public QListView {
    Q_OBJECT
public:
    RowListView(qreal tabStopDistance, QWidget* parent);
    RowListModel& Rows() const { return *model_; }

private:
    RowListModel* model_;
};
