#include "RowList.h"

#include "ScreenText.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>

void RowListModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int RowListModel::Append(std::string_view row) {
    const int index = static_cast<int>(rows_.size());
    beginInsertRows({}, index, index);
    rows_.emplace_back(row);
    endInsertRows();
    return index;
}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    return QString::fromStdString(ToScreenText(Row(index.row())));
}

RowDelegate::RowDelegate(qreal tabStopDistance, QObject* parent)
    : QStyledItemDelegate(parent), tabStopDistance_(tabStopDistance) {}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
    textOption.setWrapMode(QTextOption::NoWrap);
    textOption.setTabStopDistance(tabStopDistance_);
    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setClipRect(item.rect);
    painter->setFont(item.font);
    painter->setPen(
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRectF(item.rect.adjusted(2, 0, 0, 0)), text, textOption);
    painter->restore();
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), option.fontMetrics.height()};
}

RowListView::RowListView(qreal tabStopDistance, QWidget* parent)
    : QListView(parent), model_(new RowListModel(this)) {
    setModel(model_);
    setItemDelegate(new RowDelegate(tabStopDistance, this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
}
