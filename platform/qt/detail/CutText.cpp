#include "platform/qt/detail/CutText.h"

#include <QLabel>
#include <QString>

#include <algorithm>

QString CutLabelText(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label || label->text().isEmpty() || label->textFormat() != Qt::PlainText)
        return {};
    // The room the label lays its text out in, as QLabel reckons it: a framed label without an
    // indent of its own keeps half an x clear of the frame on the side it aligns to.
    const QFontMetrics metrics = label->fontMetrics();
    const int margin = label->margin();
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = metrics.horizontalAdvance(u'x') / 2 - margin;
    indent = std::max(indent, 0);
    const Qt::Alignment alignment = label->alignment();
    const QRect room =
        label->contentsRect().adjusted(margin + (alignment & Qt::AlignLeft ? indent : 0),
                                       margin + (alignment & Qt::AlignTop ? indent : 0),
                                       -margin - (alignment & Qt::AlignRight ? indent : 0),
                                       -margin - (alignment & Qt::AlignBottom ? indent : 0));
    const int flags =
        static_cast<int>(alignment) | (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
    const QRect needed = metrics.boundingRect(room, flags, label->text());
    const bool cut = needed.width() > room.width() || needed.height() > room.height();
    return cut ? label->text() : QString();
}
