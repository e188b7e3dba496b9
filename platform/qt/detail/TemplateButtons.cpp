#include "platform/qt/detail/TemplateButtons.h"

#include "platform/qt/detail/RadioButtonAccessible.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <qdrawutil.h>

TemplateCheckBox::TemplateCheckBox(Wrap wrap, QWidget* parent) : QCheckBox(parent), wrap_(wrap) {}

bool TemplateCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void TemplateCheckBox::paintEvent(QPaintEvent* event) {
    if (wrap_ == Wrap::SingleLine) {
        QCheckBox::paintEvent(event);
        return;
    }
    // The style draws a check box's text on one line; draw the indicator through the style and
    // the text wrapped in the space the style leaves for it.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString text = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_CheckBox, option);
    option.text = text;
    const QRect textRect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    painter.drawItemText(textRect,
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                         option.palette, isEnabled(), text, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(
            textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
            text);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

TemplateRadioButton::TemplateRadioButton(int group, QWidget* parent)
    : QRadioButton(parent), group_(group) {
    AnnounceTemplateRadioButtons();
    setAutoExclusive(false);
}

bool TemplateRadioButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void TemplateRadioButton::nextCheckState() {
    setChecked(true);
    const auto siblings =
        parentWidget()->findChildren<TemplateRadioButton*>(Qt::FindDirectChildrenOnly);
    for (TemplateRadioButton* sibling : siblings)
        if (sibling != this && sibling->group_ == group_)
            sibling->setChecked(false);
}

TemplateGroupBox::TemplateGroupBox(QWidget* parent) : QGroupBox(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TemplateGroupBox::paintEvent(QPaintEvent*) {
    constexpr int kTitleIndent = 8;
    constexpr int kTitlePadding = 2;
    QStylePainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    // An etched line: the style's own group frame leaves room for a title above it instead.
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true);
    if (title().isEmpty())
        return;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
    const int textWidth = painter.boundingRect(rect(), flags, title()).width();
    const int left = alignment() & Qt::AlignHCenter ? (width() - textWidth) / 2 : kTitleIndent;
    const QRect textRect(left, 0, textWidth, metrics.height());
    painter.fillRect(textRect.adjusted(-kTitlePadding, 0, kTitlePadding, 0),
                     palette().brush(QPalette::Window));
    painter.drawItemText(textRect, flags, palette(), isEnabled(), title(), QPalette::WindowText);
}
