#pragma once

#include "platform/qt/detail/DialogUnits.h"

#include <span>
#include <vector>

class QWidget;
struct DialogControl;

// A control of a dialog with the template row it was made from.
struct TemplateControl {
    const DialogControl* row = nullptr;
    QWidget* widget = nullptr;
};

// Makes the widgets of the template's rows as children of the dialog, in template order, with
// their texts, styles and pixel rectangles, radio groups and tab order over tab stops. Group
// boxes and static texts let the mouse through to what lies under or over them.
std::vector<TemplateControl> MakeControls(QWidget* dialog, std::span<const DialogControl> rows,
                                          BaseUnits units);
