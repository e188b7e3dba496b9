#include "platform/qt/detail/WidgetText.h"

#include "platform/text/ScreenText.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>

namespace {

constexpr char kTextProperty[] = "vyTextBytes";

void ShowText(QWidget* widget, const QString& text) {
    if (widget->isWindow())
        widget->setWindowTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* groupBox = qobject_cast<QGroupBox*>(widget))
        groupBox->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull())
        label->setText(text);
}

} // namespace

void SetWidgetText(QWidget* widget, std::string_view bytes) {
    widget->setProperty(kTextProperty,
                        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    ShowText(widget, QString::fromStdString(ToScreenText(bytes, TabShown::AsSymbol)));
}

std::string WidgetText(const QWidget* widget) {
    return widget->property(kTextProperty).toByteArray().toStdString();
}
