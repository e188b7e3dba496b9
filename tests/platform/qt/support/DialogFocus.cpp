#include "tests/platform/qt/support/DialogFocus.h"

#include "platform/qt/Dialog.h"

#include <QTest>
#include <QWidget>

int FocusedId(CDialog& dialog, std::initializer_list<int> ids) {
    const QWidget* focused = dialog.Widget() ? dialog.Widget()->focusWidget() : nullptr;
    for (const int id : ids) {
        const CWnd* item = dialog.GetDlgItem(id);
        if (focused && item && item->Widget() == focused)
            return id;
    }
    return 0;
}

std::vector<int> TabVisits(CDialog& dialog, std::initializer_list<int> ids, int presses) {
    std::vector<int> visits;
    for (int press = 0; press < presses; ++press) {
        QTest::keyClick(dialog.Widget()->focusWidget(), Qt::Key_Tab);
        visits.push_back(FocusedId(dialog, ids));
    }
    return visits;
}
