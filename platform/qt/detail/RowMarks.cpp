#include "platform/qt/detail/RowMarks.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <QTextOption>

#include <limits>

namespace {
// How much of the text's colour the mark takes, the rest being the background's: faint enough to
// read as a mark rather than a character, in light and in dark palettes alike.
constexpr qreal kMarkShare = 0.4;

QColor Between(const QColor& text, const QColor& background) {
    const auto mix = [](qreal a, qreal b) { return kMarkShare * a + (1 - kMarkShare) * b; };
    return QColor::fromRgbF(static_cast<float>(mix(text.redF(), background.redF())),
                            static_cast<float>(mix(text.greenF(), background.greenF())),
                            static_cast<float>(mix(text.blueF(), background.blueF())));
}
// A line laid out once, for the positions of its characters.
class LaidOutLine {
public:
    LaidOutLine(const QString& text, const QFont& font, const QTextOption& option)
        : layout_(text, font) {
        layout_.setTextOption(option);
        layout_.beginLayout();
        line_ = layout_.createLine();
        line_.setLineWidth(std::numeric_limits<int>::max() / 4);
        layout_.endLayout();
    }
    qreal X(int column) const { return line_.cursorToX(column); }

private:
    QTextLayout layout_;
    QTextLine line_;
};
} // namespace

double ColumnOffset(const QString& text, const QFont& font, const QTextOption& option, int column) {
    return LaidOutLine(text, font, option).X(column);
}

void DrawStretchMark(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
                     const QTextOption& option, int first, int last, const QColor& tint) {
    const LaidOutLine line(text, font, option);
    const qreal from = area.left() + line.X(first);
    const qreal to = area.left() + line.X(last);
    painter.fillRect(QRectF(from, area.top(), to - from, area.height()), tint);
    painter.fillRect(QRectF(from - 1, area.top(), 2, area.height()), tint.darker(150));
}

void DrawTabMarks(QPainter& painter, const QRectF& area, const QString& text, const QFont& font,
                  const QTextOption& option, const QColor& textColor, const QColor& background) {
    if (!text.contains(u'\t'))
        return;
    const LaidOutLine line(text, font, option);
    painter.save();
    painter.setPen(QPen(Between(textColor, background), 1));
    const qreal middle = area.top() + area.height() / 2;
    const qreal head = area.height() / 5;
    for (qsizetype at = text.indexOf(u'\t'); at >= 0; at = text.indexOf(u'\t', at + 1)) {
        const qreal from = area.left() + line.X(static_cast<int>(at)) + 1;
        const qreal to = area.left() + line.X(static_cast<int>(at) + 1) - 4;
        if (to - from < 3)
            continue;
        QPainterPath arrow(QPointF(from, middle));
        arrow.lineTo(to, middle);
        arrow.moveTo(to - head, middle - head);
        arrow.lineTo(to, middle);
        arrow.lineTo(to - head, middle + head);
        painter.drawPath(arrow);
    }
    painter.restore();
}
