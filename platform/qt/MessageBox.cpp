#include "platform/qt/MessageBox.h"

#include "platform/qt/WinDefs.h"
#include "platform/qt/Wnd.h"
#include "platform/qt/detail/OwnerWidget.h"
#include "platform/text/ScreenText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QString>

#include <algorithm>

namespace {

// A window manager may put four buttons beside a caption: the window icon, minimise, maximise
// and close, each about as wide as the title bar is tall.
constexpr int kTitleBarButtons = 4;
constexpr int kTitleBarPadding = 8;

QString ScreenString(std::string_view bytes) {
    return QString::fromStdString(ToScreenText(bytes));
}

QMessageBox::Icon BoxIcon(unsigned type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

// The width a title bar needs to show the caption whole beside its buttons.
int CaptionWidth(const QString& caption) {
    // Title bars commonly set the caption in bold.
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int buttonWidth = metrics.height() + kTitleBarPadding;
    return metrics.horizontalAdvance(caption) + kTitleBarButtons * buttonWidth +
           2 * kTitleBarPadding;
}

// The box sizes itself to its text and buttons; for a file that cannot be opened the caption is
// the only text that says what went wrong, so the box is also kept wide enough for the title
// bar to show it whole. Qt lays the box out from its grid's minimum width, which a spacer row
// raises.
void WidenForCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int needed = CaptionWidth(box.windowTitle());
    const int available = box.screen()->availableGeometry().width();
    grid->addItem(new QSpacerItem(std::min(needed, available), 0, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

int CWnd::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
    if (messageBoxPresenter_)
        return messageBoxPresenter_(this, text, caption, type);
    QMessageBox box(BoxIcon(type), ScreenString(caption), ScreenString(text), QMessageBox::Ok,
                    OwnerWidget(this));
    box.setTextFormat(Qt::PlainText);
    WidenForCaption(box);
    box.exec();
    return IDOK;
}
