#include "platform/qt/detail/ControlFactory.h"

#include "platform/qt/Icon.h"
#include "platform/qt/detail/DropDownList.h"
#include "platform/qt/detail/RowList.h"
#include "platform/qt/detail/TemplateButtons.h"
#include "platform/qt/detail/WidgetText.h"
#include "platform/resource/DialogTemplate.h"
#include "platform/resource/IconBitmap.h"
#include "platform/resource/WindowStyles.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

using namespace style;

QWidget* MakeButton(const DialogControl& row, int radioGroup, QWidget* dialog) {
    switch (row.style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
        return new TemplateCheckBox(row.style & BS_MULTILINE ? TemplateCheckBox::Wrap::Multiline
                                                             : TemplateCheckBox::Wrap::SingleLine,
                                    dialog);
    case BS_AUTORADIOBUTTON:
        return new TemplateRadioButton(radioGroup, dialog);
    case BS_GROUPBOX: {
        auto* box = new TemplateGroupBox(dialog);
        box->setAlignment((row.style & BS_CENTER) == BS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft);
        return box;
    }
    default: {
        auto* button = new QPushButton(dialog);
        // Enter is the dialog's to handle, so Qt's own default-button logic stays out.
        button->setAutoDefault(false);
        button->setDefault((row.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        return button;
    }
    }
}

QWidget* MakeStatic(const DialogControl& row, QWidget* dialog) {
    auto* label = new QLabel(dialog);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    const std::uint32_t type = row.style & SS_TYPEMASK;
    if (type == SS_ICON) {
        if (row.icon) {
            label->setPixmap(
                Icon(*row.icon).ToQIcon().pixmap(IconBitmap::kSize, IconBitmap::kSize));
        }
        return label;
    }
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(type != SS_LEFTNOWORDWRAP);
    const Qt::Alignment vertical = row.style & SS_CENTERIMAGE ? Qt::AlignVCenter : Qt::AlignTop;
    label->setAlignment((type == SS_CENTER ? Qt::AlignHCenter : Qt::AlignLeft) | vertical);
    if (row.exStyle & WS_EX_STATICEDGE) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

QWidget* MakeComboBox(const QRect& rect, QWidget* dialog) {
    auto* combo = new QComboBox(dialog);
    // The template's height includes the opened list; the closed box is as tall as its style
    // makes it.
    KeepDropDownHeight(*combo, rect.height());
    return combo;
}

QWidget* MakeControl(const DialogControl& row, const QRect& rect, int radioGroup, BaseUnits units,
                     QWidget* dialog) {
    switch (row.controlClass) {
    case ControlClass::Button:
        return MakeButton(row, radioGroup, dialog);
    case ControlClass::Static:
        return MakeStatic(row, dialog);
    case ControlClass::ComboBox:
        return MakeComboBox(rect, dialog);
    case ControlClass::ListBox:
        // Tab stops every 32 dialog units, that is eight times the horizontal base unit.
        return new RowListView(
            8 * units.x, row.style & WS_HSCROLL ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff,
            dialog);
    }
    return nullptr;
}

void Place(QWidget* widget, const DialogControl& row, QRect rect) {
    if (row.controlClass == ControlClass::Static && (row.style & SS_TYPEMASK) == SS_ICON)
        rect.setSize({IconBitmap::kSize, IconBitmap::kSize});
    else if (row.controlClass == ControlClass::ComboBox)
        rect.setHeight(widget->sizeHint().height());
    widget->setGeometry(rect);
}

bool IsGroupBox(const DialogControl& row) {
    return row.controlClass == ControlClass::Button && (row.style & BS_TYPEMASK) == BS_GROUPBOX;
}

bool TakesFocus(const DialogControl& row) {
    return row.controlClass != ControlClass::Static && !IsGroupBox(row);
}

} // namespace

std::vector<TemplateControl> MakeControls(QWidget* dialog, std::span<const DialogControl> rows,
                                          BaseUnits units) {
    std::vector<TemplateControl> controls;
    QWidget* lastTabStop = nullptr;
    int radioGroup = 0;
    for (const DialogControl& row : rows) {
        if (row.style & WS_GROUP)
            ++radioGroup;
        const QRect rect = ToPixels(row.rect, units);
        QWidget* widget = MakeControl(row, rect, radioGroup, units, dialog);
        SetWidgetText(widget, row.text);
        Place(widget, row, rect);
        widget->setEnabled(!(row.style & WS_DISABLED));
        widget->setVisible(row.style & WS_VISIBLE);
        if (!TakesFocus(row)) {
            widget->setFocusPolicy(Qt::NoFocus);
        } else if (row.style & WS_TABSTOP) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (lastTabStop)
                QWidget::setTabOrder(lastTabStop, widget);
            lastTabStop = widget;
        } else {
            widget->setFocusPolicy(Qt::ClickFocus);
        }
        controls.push_back({&row, widget});
    }
    // A frame may come after the controls it surrounds; it is drawn beneath them all the same.
    for (const TemplateControl& control : controls)
        if (IsGroupBox(*control.row))
            control.widget->lower();
    return controls;
}
