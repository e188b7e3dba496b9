#include "platform/qt/detail/RowList.h"

#include "platform/qt/detail/RowListModel.h"
#include "platform/qt/detail/RowMarks.h"
#include "texts/Texts.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextOption>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

// The gap between a row's left edge and its text.
constexpr int kTextMargin = 2;
// How strongly a stretch that differs is tinted: the text over it stays readable.
constexpr int kMarkAlpha = 90;
// A tooltip shows this much of a row at most; a longer row ends in an ellipsis.
constexpr std::size_t kTipCharacters = 2000;
// The list shows this much of a row at most, as far as it scrolls: a longer row is cut there.
constexpr std::size_t kShownCharacters = 2000;

const QKeySequence kCopyAllKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

QRectF TextArea(const QRect& rowRect) {
    return QRectF(rowRect.adjusted(kTextMargin, 0, 0, 0));
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    const QColor textColor =
        item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    if (const auto* rows = qobject_cast<const RowListModel*>(index.model()))
        if (const auto marked = rows->MarkedColumns(index.row())) {
            // The highlight colour reads against the base in light and dark palettes alike.
            QColor tint = item.palette.color(group, selected ? QPalette::HighlightedText
                                                             : QPalette::Highlight);
            tint.setAlpha(kMarkAlpha);
            DrawStretchMark(*painter, TextArea(item.rect), text, item.font, TextOption(),
                            marked->first, marked->last, tint);
        }
    painter->setPen(textColor);
    painter->drawText(TextArea(item.rect), text, TextOption());
    DrawTabMarks(*painter, TextArea(item.rect), text, item.font, TextOption(), textColor,
                 item.palette.color(group, selected ? QPalette::Highlight : QPalette::Base));
    painter->restore();
}

qreal RowDelegate::TextWidth(const QFont& font, const QString& text) const {
    return QFontMetricsF(font).horizontalAdvance(text, TextOption()) + kTextMargin;
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {std::max(option.rect.width(), widestRow_), option.fontMetrics.height()};
}

bool RowDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                            const QStyleOptionViewItem& option, const QModelIndex& index) {
    const auto* rows = qobject_cast<const RowListModel*>(index.model());
    if (event->type() != QEvent::ToolTip || !rows)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const auto marked = rows->MarkedColumns(index.row());
    const bool cut = TextWidth(option.font, index.data().toString()) > view->viewport()->width();
    if (!marked && !cut) {
        QToolTip::hideText();
        return false;
    }
    QString tip;
    if (marked)
        tip = FromUtf8(texts::DiffersFromColumn(marked->first + 1));
    if (cut)
        tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) +
               rows->TextUpTo(index.row(), kTipCharacters);
    QToolTip::showText(event->globalPos(), tip, view, option.rect);
    return true;
}

RowListView::RowListView(qreal tabStopDistance, Qt::ScrollBarPolicy horizontalScrollBar,
                         QWidget* parent)
    : QListView(parent), model_(new RowListModel(this)),
      delegate_(new RowDelegate(tabStopDistance, this)) {
    model_->ShowCharacters(kShownCharacters);
    setModel(model_);
    setItemDelegate(delegate_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(horizontalScrollBar);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
}

void RowListView::Clear() {
    model_->Clear();
    measuredRows_ = 0;
    widestRow_ = 0;
    delegate_->SetWidestRow(0);
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

void RowListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    const auto marked = index.isValid() ? model_->MarkedColumns(index.row()) : std::nullopt;
    if (!marked)
        return;
    // The start of the stretch a third of the way in, with what leads up to it in view.
    const qreal start = kTextMargin + ColumnOffset(index.data().toString(), font(),
                                                   delegate_->TextOption(), marked->first);
    const int visibleFrom = horizontalScrollBar()->value();
    if (start < visibleFrom || start > visibleFrom + viewport()->width() - kTextMargin * 8)
        horizontalScrollBar()->setValue(static_cast<int>(start) - viewport()->width() / 3);
}

void RowListView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(FromUtf8(texts::kCopyRow), this, &RowListView::CopySelectedRow);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!selectionModel()->selectedIndexes().isEmpty());
    QAction* copyAll =
        menu.addAction(FromUtf8(texts::kCopyAllRows), this, &RowListView::CopyAllRows);
    copyAll->setShortcut(kCopyAllKeys);
    copyAll->setEnabled(model_->rowCount() > 0);
    event->accept();
    menu.exec(event->globalPos());
}

bool RowListView::viewportEvent(QEvent* event) {
    // Rows added while a long run lets events through between its windows may still wait for
    // their layout when a paint comes, and would be painted as an empty list.
    if (event->type() == QEvent::Paint)
        executeDelayedItemsLayout();
    return QListView::viewportEvent(event);
}

void RowListView::updateGeometries() {
    // Rows come in between layouts, so they are measured once each, when the list is laid out.
    if (MeasureNewRows()) {
        delegate_->SetWidestRow(widestRow_);
        scheduleDelayedItemsLayout();
    }
    QListView::updateGeometries();
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth() * 2);
}

bool RowListView::MeasureNewRows() {
    const int widestBefore = widestRow_;
    // A row can be no wider than its characters at the widest advance, tabs at a stop each.
    const qreal widestCharacter = std::max<qreal>(QFontMetricsF(font()).maxWidth(),
                                                  8 * QFontMetricsF(font()).averageCharWidth());
    for (; measuredRows_ < model_->rowCount(); ++measuredRows_) {
        const std::size_t bytes = model_->Row(measuredRows_).size();
        if (static_cast<qreal>(std::min(bytes, kShownCharacters)) * widestCharacter + kTextMargin <=
            widestRow_)
            continue;
        const QString shown = model_->index(measuredRows_).data().toString();
        widestRow_ =
            std::max(widestRow_, static_cast<int>(std::ceil(delegate_->TextWidth(font(), shown))));
    }
    return widestRow_ > widestBefore;
}
