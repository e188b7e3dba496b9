#include "tests/platform/qt/support/ModalDriver.h"

#include "platform/qt/Dialog.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// Looks on every turn of the event loop until a new window of the kind is up and shown; a
// window found too early (before the code under test opened it) is never taken for it.
void RunOnNext(QWidget* (*current)(), std::function<void(QWidget*)> action) {
    const QPointer<QWidget> before = current();
    auto* timer = new QTimer(qApp);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, before, current, action = std::move(action)] {
                         QWidget* window = current();
                         if (!window || window == before || !window->isVisible())
                             return;
                         timer->stop();
                         timer->deleteLater();
                         action(window);
                     });
    timer->start();
}

} // namespace

void RunOnNextModal(std::function<void(QWidget*)> action) {
    RunOnNext(&QApplication::activeModalWidget, std::move(action));
}

void RunOnNextPopup(std::function<void(QWidget*)> action) {
    RunOnNext(&QApplication::activePopupWidget, std::move(action));
}

int RunModal(CDialog& dialog, std::function<void(QWidget*)> steps) {
    RunOnNextModal([&dialog, steps = std::move(steps)](QWidget* window) {
        steps(window);
        if (window->isVisible())
            dialog.EndDialog(kLeftOpen);
    });
    return dialog.DoModal();
}
