#include "platform/qt/PaintDC.h"

#include "platform/qt/Icon.h"
#include "platform/qt/Wnd.h"
#include "platform/resource/IconBitmap.h"

#include <QIcon>
#include <QPainter>
#include <QWidget>

CPaintDC::CPaintDC(CWnd* window)
    : window_(window),
      painter_(window && window->Widget() ? std::make_unique<QPainter>(window->Widget())
                                          : nullptr) {}

CPaintDC::~CPaintDC() = default;

void CPaintDC::EraseIconBackground() {
    if (painter_) {
        const QWidget* widget = window_->Widget();
        painter_->fillRect(widget->rect(), widget->palette().window());
    }
}

void CPaintDC::DrawIcon(int x, int y, const Icon& icon) {
    if (painter_ && !icon.IsNull())
        painter_->drawPixmap(x, y, icon.ToQIcon().pixmap(IconBitmap::kSize, IconBitmap::kSize));
}
