#include "platform/qt/detail/AccessibleNames.h"

#include "platform/resource/DialogTemplate.h"
#include "platform/resource/WindowStyles.h"

#include <QGroupBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <optional>

namespace {

using namespace style;

bool IsIcon(const DialogControl& row) {
    return row.controlClass == ControlClass::Static && (row.style & SS_TYPEMASK) == SS_ICON;
}

bool IsGroupBox(const DialogControl& row) {
    return row.controlClass == ControlClass::Button && (row.style & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsTextLabel(const DialogControl& row) {
    return row.controlClass == ControlClass::Static && !IsIcon(row) && !row.text.empty();
}

// The text of the nearest label that ends left of the control and shares a line with it.
std::optional<QString> LabelOnTheLeft(const std::vector<TemplateControl>& controls,
                                      const QRect& rect) {
    const TemplateControl* nearest = nullptr;
    for (const TemplateControl& control : controls) {
        const QRect label = control.widget->geometry();
        if (!IsTextLabel(*control.row) || label.right() > rect.left() ||
            label.bottom() < rect.top() || label.top() > rect.bottom())
            continue;
        if (!nearest || label.right() > nearest->widget->geometry().right())
            nearest = &control;
    }
    if (!nearest)
        return std::nullopt;
    return static_cast<const QLabel*>(nearest->widget)->text();
}

// The title of the smallest group box that holds the control.
std::optional<QString> GroupAround(const std::vector<TemplateControl>& controls,
                                   const QRect& rect) {
    const TemplateControl* smallest = nullptr;
    for (const TemplateControl& control : controls) {
        const QRect box = control.widget->geometry();
        if (!IsGroupBox(*control.row) || control.row->text.empty() || !box.contains(rect))
            continue;
        if (!smallest || box.height() * box.width() < smallest->widget->geometry().height() *
                                                          smallest->widget->geometry().width())
            smallest = &control;
    }
    if (!smallest)
        return std::nullopt;
    return static_cast<const QGroupBox*>(smallest->widget)->title();
}

} // namespace

void NameTextlessControls(const std::vector<TemplateControl>& controls, const QString& caption) {
    for (const TemplateControl& control : controls) {
        const DialogControl& row = *control.row;
        if (!row.text.empty() && !IsIcon(row))
            continue;
        const QRect rect = control.widget->geometry();
        const QString name =
            LabelOnTheLeft(controls, rect).value_or(GroupAround(controls, rect).value_or(caption));
        if (row.controlClass == ControlClass::Static && !IsIcon(row))
            control.widget->setAccessibleDescription(name);
        else
            control.widget->setAccessibleName(name);
    }
}
