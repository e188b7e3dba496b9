#include "platform/qt/WaitCursor.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>

void BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The work that follows keeps the event loop away, so the pointer is sent to the window
    // system now; timers stay out so that nothing else runs before that work.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::X11ExcludeTimers);
}

void EndWaitCursor() {
    QApplication::restoreOverrideCursor();
}
