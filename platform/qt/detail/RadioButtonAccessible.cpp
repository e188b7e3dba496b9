#include "platform/qt/detail/RadioButtonAccessible.h"

#include "platform/qt/detail/TemplateButtons.h"

#include <QAccessibleWidget>

namespace {

// A button's text as read out: without the ampersands that mark its mnemonic, "&&" read as "&".
QString WithoutMnemonic(QString text) {
    for (qsizetype at = 0; at < text.size(); ++at)
        if (text[at] == u'&')
            text.remove(at, 1);
    return text;
}

class RadioButtonAccessible : public QAccessibleWidget {
public:
    explicit RadioButtonAccessible(TemplateRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        return WithoutMnemonic(Button()->text());
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            Button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    TemplateRadioButton* Button() const { return static_cast<TemplateRadioButton*>(widget()); }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("TemplateRadioButton") && object->isWidgetType())
        return new RadioButtonAccessible(static_cast<TemplateRadioButton*>(object));
    return nullptr;
}

} // namespace

void AnnounceTemplateRadioButtons() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    (void)installed;
}
