#include "TemplateButtons.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

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
    setAutoExclusive(false);
}

bool TemplateRadioButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void TemplateRadioButton::nextCheckState() {
    setChecked(true);
    const auto siblings =
        parentWidget()->findChildren<TemplateRadioButton*>(Qt::FindDirectChildrenOnly);
    for (TemplateRadioButton* sibling : siblings) {
        if (sibling != this && sibling->group_ == group_) {
            sibling->setChecked(false);
        }
    }
}
