#include "platform/qt/detail/SystemMenuPopup.h"

#include "platform/qt/Dialog.h"
#include "platform/qt/WinDefs.h"
#include "platform/text/ScreenText.h"

#include <QMenu>
#include <QWidget>

namespace {

bool WindowCanCarryOut(unsigned id, const QWidget& window) {
    switch (id) {
    case SC_RESTORE:
        return window.isMinimized();
    case SC_MINIMIZE:
        return window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
    case SC_SIZE:
    case SC_MAXIMIZE:
        return false;
    default:
        return true;
    }
}

} // namespace

void PopUpSystemMenu(CDialog& dialog, QWidget& window, const QPoint& globalPos) {
    const CMenu* menu = dialog.GetSystemMenu();
    if (!menu)
        return;
    QMenu popup(&window);
    for (const CMenu::Item& item : menu->Items()) {
        if (item.flags & MF_SEPARATOR) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(QString::fromStdString(ToScreenText(item.text)));
        action->setData(item.id);
        action->setEnabled(!(item.flags & MF_GRAYED) && WindowCanCarryOut(item.id, window));
    }
    if (const QAction* chosen = popup.exec(globalPos))
        dialog.SendSysCommand(chosen->data().toUInt());
}
