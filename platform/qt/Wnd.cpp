#include "platform/qt/Wnd.h"

#include "platform/qt/detail/WidgetText.h"

#include <QWidget>

void CWnd::SetWindowText(std::string_view text) {
    if (widget_)
        SetWidgetText(widget_, text);
}

std::string CWnd::GetWindowText() const {
    return widget_ ? WidgetText(widget_) : std::string();
}

void CWnd::EnableWindow(bool enable) {
    if (widget_)
        widget_->setEnabled(enable);
}

bool CWnd::IsWindowEnabled() const {
    return widget_ && widget_->isEnabled();
}

void CWnd::OnDropFiles(HDROP) {}
