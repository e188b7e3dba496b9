#include "platform/qt/detail/DropDownList.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QPointer>
#include <QProxyStyle>

#include <algorithm>

namespace {

// The application's style, but with combo boxes that open a list rather than a menu; only the
// list honours a maximum of visible entries.
class ListDropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One style serves every combo box; it lives as long as the application object that owns it.
QStyle* SharedListDropDownStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new ListDropDownStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void KeepDropDownHeight(QComboBox& combo, int templateHeight) {
    combo.setStyle(SharedListDropDownStyle());
    const int closedHeight = combo.sizeHint().height();
    const int rowHeight = QFontMetrics(combo.font()).height();
    combo.setMaxVisibleItems(std::max(1, (templateHeight - closedHeight) / rowHeight));
}
