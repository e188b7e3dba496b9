#include "platform/qt/detail/OwnerWidget.h"

#include "platform/qt/WinApp.h"
#include "platform/qt/Wnd.h"

#include <QApplication>
#include <QWidget>

QWidget* OwnerWidget(const CWnd* parent) {
    if (parent && parent->Widget())
        return parent->Widget()->window();
    // A dialog opened without a parent still belongs to the program's main window, so that it
    // stands over it and is centred on it.
    if (const CWinApp* app = AfxGetApp(); app && app->mainWindow && app->mainWindow->Widget() &&
                                          app->mainWindow->Widget()->isVisible())
        return app->mainWindow->Widget()->window();
    return QApplication::activeModalWidget();
}
