#include "platform/qt/detail/RowList.h"

#include "platform/qt/detail/RowListModel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QTextOption>
#include <QToolTip>

#include <algorithm>

namespace {

// The gap between a row's left edge and its text.
constexpr int kTextMargin = 2;
// A tooltip shows this much of a row at most; a longer row ends in an ellipsis.
constexpr std::size_t kTipCharacters = 2000;

const QKeySequence kCopyAllKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

QRectF TextArea(const QRect& rowRect) {
    return QRectF(rowRect.adjusted(kTextMargin, 0, 0, 0));
}

} // namespace

RowDelegate::RowDelegate(qreal tabStopDistance, QObject* parent)
    : QStyledItemDelegate(parent), tabStopDistance_(tabStopDistance) {}

QTextOption RowDelegate::TextOption() const {
    QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
    textOption.setWrapMode(QTextOption::NoWrap);
    textOption.setTabStopDistance(tabStopDistance_);
    return textOption;
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setClipRect(item.rect);
    painter->setFont(item.font);
    painter->setPen(
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(TextArea(item.rect), text, TextOption());
    painter->restore();
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), option.fontMetrics.height()};
}

bool RowDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                            const QStyleOptionViewItem& option, const QModelIndex& index) {
    const auto* rows = qobject_cast<const RowListModel*>(index.model());
    if (event->type() != QEvent::ToolTip || !rows)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString shown = index.data().toString();
    const QFontMetricsF metrics(option.font);
    if (metrics.horizontalAdvance(shown, TextOption()) <= TextArea(option.rect).width()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(event->globalPos(), rows->TextUpTo(index.row(), kTipCharacters), view,
                       option.rect);
    return true;
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

void RowListView::Clear() {
    model_->Clear();
    scrollToTop();
}

void RowListView::CopySelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(model_->WholeText(selected.first().row()));
}

void RowListView::CopyAllRows() const {
    QString all;
    for (int row = 0; row < model_->rowCount(); ++row) {
        all += model_->WholeText(row);
        all += u'\n';
    }
    QApplication::clipboard()->setText(all);
}

void RowListView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        CopySelectedRow();
        event->accept();
    } else if (QKeySequence(event->keyCombination()) == kCopyAllKeys) {
        CopyAllRows();
        event->accept();
    } else {
        QListView::keyPressEvent(event);
    }
}

void RowListView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy =
        menu.addAction(QStringLiteral("コピー(&C)"), this, &RowListView::CopySelectedRow);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!selectionModel()->selectedIndexes().isEmpty());
    QAction* copyAll =
        menu.addAction(QStringLiteral("すべてコピー(&A)"), this, &RowListView::CopyAllRows);
    copyAll->setShortcut(kCopyAllKeys);
    copyAll->setEnabled(model_->rowCount() > 0);
    event->accept();
    menu.exec(event->globalPos());
}

void RowListView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    // A character that moves the pen on moves it a pixel at least, so no more of a row than
    // this can ever be seen; only a row made mostly of zero-width marks shows less than fits.
    model_->ShowCharacters(static_cast<std::size_t>(std::max(0, width())));
}
