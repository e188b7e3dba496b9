#include "platform/qt/Button.h"

#include "platform/qt/WinDefs.h"

#include <QAbstractButton>

int CButton::GetCheck() const {
    const auto* button = qobject_cast<const QAbstractButton*>(widget_);
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int state) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget_); button && button->isCheckable())
        button->setChecked(state != BST_UNCHECKED);
}
