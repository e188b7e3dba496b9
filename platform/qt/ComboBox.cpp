#include "platform/qt/ComboBox.h"

#include "platform/qt/WinDefs.h"
#include "platform/text/ScreenText.h"

#include <QByteArray>
#include <QComboBox>
#include <QString>
#include <QVariant>

namespace {

constexpr int kBytesRole = Qt::UserRole;
constexpr int kItemDataRole = Qt::UserRole + 1;

QComboBox* Combo(QWidget* widget) {
    return qobject_cast<QComboBox*>(widget);
}

bool Holds(const QComboBox* combo, int index) {
    return combo && index >= 0 && index < combo->count();
}

} // namespace

int CComboBox::GetCount() const {
    const QComboBox* combo = Combo(widget_);
    return combo ? combo->count() : 0;
}

int CComboBox::GetCurSel() const {
    const QComboBox* combo = Combo(widget_);
    return combo ? combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
    QComboBox* combo = Combo(widget_);
    if (!combo)
        return CB_ERR;
    if (!Holds(combo, index)) {
        combo->setCurrentIndex(-1);
        return CB_ERR;
    }
    combo->setCurrentIndex(index);
    return index;
}

int CComboBox::InsertString(int index, std::string_view text) {
    QComboBox* combo = Combo(widget_);
    if (!combo || index > combo->count())
        return CB_ERR;
    if (index < 0)
        index = combo->count();
    const int selected = combo->currentIndex();
    combo->insertItem(index, QString::fromStdString(ToScreenText(text, TabShown::AsSymbol)),
                      QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    // Qt selects the first entry of an empty box by itself; an inserted entry stays unselected.
    if (selected < 0)
        combo->setCurrentIndex(-1);
    return index;
}

int CComboBox::SetItemData(int index, std::intptr_t data) {
    QComboBox* combo = Combo(widget_);
    if (!Holds(combo, index))
        return CB_ERR;
    combo->setItemData(index, QVariant::fromValue(static_cast<qint64>(data)), kItemDataRole);
    return 0;
}

std::intptr_t CComboBox::GetItemData(int index) const {
    const QComboBox* combo = Combo(widget_);
    if (!Holds(combo, index))
        return CB_ERR;
    return static_cast<std::intptr_t>(combo->itemData(index, kItemDataRole).toLongLong());
}

std::string CComboBox::GetLBText(int index) const {
    const QComboBox* combo = Combo(widget_);
    if (!Holds(combo, index))
        return {};
    return combo->itemData(index, kBytesRole).toByteArray().toStdString();
}
