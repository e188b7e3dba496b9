#include "MessageBox.h"

#include "OwnerWidget.h"
#include "ScreenText.h"
#include "WinDefs.h"
#include "Wnd.h"

#include <QMessageBox>
#include <QString>

namespace {

MessageBoxPresenter& Presenter() {
    static MessageBoxPresenter presenter;
    return presenter;
}

QString ScreenString(std::string_view bytes) {
    return QString::fromStdString(ToScreenText(bytes));
}

QMessageBox::Icon BoxIcon(unsigned type) {
    switch (type & 0xF0) {
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    Presenter() = std::move(presenter);
}

int CWnd::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
    if (Presenter()) {
        return Presenter()(this, text, caption, type);
    }
    QMessageBox box(BoxIcon(type), ScreenString(caption), ScreenString(text), QMessageBox::Ok,
                    OwnerWidget(this));
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return IDOK;
}
