#include "platform/qt/detail/ScreenPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

int CentredStart(int length, int targetStart, int targetLength, int areaStart, int areaLength) {
    if (length > areaLength)
        return areaStart;
    const int centred = targetStart + (targetLength - length) / 2;
    return std::clamp(centred, areaStart, areaStart + areaLength - length);
}

QMargins FrameMarginsOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// The frame a window manager will most likely give: that of a window it has framed already,
// else a title bar as the style draws one.
QMargins LikelyFrameMargins(const QWidget& window) {
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible()) {
            if (const QMargins margins = FrameMarginsOf(*other); !margins.isNull())
                return margins;
        }
    }
    const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {border, titleBar + border, border, border};
}

// The window manager frames a window before it first paints it, and may move it; a window it
// leaves where it asked to be gets no move event.
bool FrameMayBeKnown(QEvent::Type type) {
    return type == QEvent::Move || type == QEvent::Paint || type == QEvent::WindowActivate;
}

// Places its window on every show, and once more when the window manager's frame turns out to
// differ from the one it was placed with.
class Placer : public QObject {
public:
    explicit Placer(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_) {
            if (event->type() == QEvent::Show && !event->spontaneous()) {
                const QMargins known = FrameMarginsOf(window_);
                Place(known.isNull() ? LikelyFrameMargins(window_) : known);
                awaitingFrame_ = known.isNull();
            } else if (awaitingFrame_ && FrameMayBeKnown(event->type())) {
                const QMargins known = FrameMarginsOf(window_);
                if (!known.isNull()) {
                    awaitingFrame_ = false;
                    if (known != placedWith_)
                        Place(known);
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Place(const QMargins& frame) {
        placedWith_ = frame;
        const QWidget* owner = window_.parentWidget() ? window_.parentWidget()->window() : nullptr;
        const QRect area = (owner ? owner : &window_)->screen()->availableGeometry();
        const QPoint origin = CentredFrameOrigin(window_.size().grownBy(frame),
                                                 owner ? owner->frameGeometry() : area, area);
        // The position of a window's contents is exact on every platform; that of its frame
        // is not before the frame exists.
        window_.setGeometry(QRect(origin + QPoint(frame.left(), frame.top()), window_.size()));
    }

    QWidget& window_;
    QMargins placedWith_;
    bool awaitingFrame_ = false;
};

} // namespace

QPoint CentredFrameOrigin(QSize frameSize, const QRect& target, const QRect& area) {
    return {CentredStart(frameSize.width(), target.x(), target.width(), area.x(), area.width()),
            CentredStart(frameSize.height(), target.y(), target.height(), area.y(), area.height())};
}

void CentreWhenShown(QWidget& window) {
    new Placer(window);
}
