#include "platform/qt/BusyWindow.h"

#include "platform/qt/Wnd.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {
// Often enough for a window that is uncovered to paint within a tenth of a second.
constexpr qint64 kPumpIntervalMs = 25;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
    case QEvent::ToolTip:
        return true;
    default:
        return false;
    }
}
} // namespace

class BusyWindow::InputHold : public QObject {
public:
    explicit InputHold(QWidget* window) : window_(window) {
        qApp->installEventFilter(this);
        sincePump_.start();
    }
    ~InputHold() override { qApp->removeEventFilter(this); }

    void Pump() {
        if (sincePump_.elapsed() < kPumpIntervalMs)
            return;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        sincePump_.restart();
    }

    bool stopAsked = false;
    bool closeAsked = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && window_ &&
            (watched == window_ || watched == window_->windowHandle())) {
            stopAsked = closeAsked = true;
            event->ignore();
            return true;
        }
        if (!IsUserInput(event->type()))
            return false;
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            stopAsked = true;
        return true;
    }

private:
    QWidget* window_;
    QElapsedTimer sincePump_;
};

BusyWindow::BusyWindow(CWnd& window) : hold_(std::make_unique<InputHold>(window.Widget())) {}

BusyWindow::~BusyWindow() = default;

void BusyWindow::Pump() {
    hold_->Pump();
}

bool BusyWindow::StopAsked() const {
    return hold_->stopAsked;
}

bool BusyWindow::CloseAsked() const {
    return hold_->closeAsked;
}
