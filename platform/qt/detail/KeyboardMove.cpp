#include "platform/qt/detail/KeyboardMove.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPoint>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int kStep = 8;
// Names the move among the window's children, so that a window has one move at a time.
constexpr const char* kMoveName = "keyboardMove";

class KeyboardMove : public QObject {
public:
    explicit KeyboardMove(QWidget& window)
        : QObject(&window), window_(window), start_(window.pos()), position_(start_) {
        setObjectName(kMoveName);
        QApplication::setOverrideCursor(Qt::SizeAllCursor);
        qApp->installEventFilter(this);
    }

    ~KeyboardMove() override {
        if (!ended_)
            QApplication::restoreOverrideCursor();
    }

    KeyboardMove(const KeyboardMove&) = delete;
    KeyboardMove& operator=(const KeyboardMove&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyRelease:
            // Every key belongs to the move while it lasts.
            event->accept();
            return true;
        case QEvent::KeyPress:
            HandleKey(static_cast<QKeyEvent&>(*event));
            return true;
        case QEvent::MouseButtonPress:
            End();
            return true;
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            if (watched == &window_)
                End();
            return false;
        default:
            return false;
        }
    }

private:
    void HandleKey(const QKeyEvent& key) {
        switch (key.key()) {
        case Qt::Key_Left:
            MoveBy({-kStep, 0});
            break;
        case Qt::Key_Right:
            MoveBy({kStep, 0});
            break;
        case Qt::Key_Up:
            MoveBy({0, -kStep});
            break;
        case Qt::Key_Down:
            MoveBy({0, kStep});
            break;
        case Qt::Key_Escape:
            MoveBy(start_ - position_);
            End();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            End();
            break;
        default:
            break;
        }
    }

    // The window's own position follows only once the window system has carried out the move,
    // so the moves are added up here.
    void MoveBy(QPoint step) {
        position_ += step;
        window_.move(position_);
    }

    void End() {
        if (ended_)
            return;
        ended_ = true;
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
        setObjectName(QString());
        // The filter may be in the middle of handling an event.
        deleteLater();
    }

    QWidget& window_;
    const QPoint start_;
    QPoint position_;
    bool ended_ = false;
};

} // namespace

void StartKeyboardMove(QWidget& window) {
    if (window.findChild<QObject*>(kMoveName, Qt::FindDirectChildrenOnly))
        return;
    // Where windows may not place themselves, the compositor's own move stands in.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        if (QWindow* handle = window.windowHandle())
            handle->startSystemMove();
        return;
    }
    new KeyboardMove(window);
}
