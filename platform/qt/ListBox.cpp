#include "platform/qt/ListBox.h"

#include "platform/qt/WinDefs.h"
#include "platform/qt/detail/RowList.h"
#include "platform/qt/detail/RowListModel.h"

namespace {

RowListView* View(QWidget* widget) {
    return qobject_cast<RowListView*>(widget);
}

RowListModel* Rows(QWidget* widget) {
    const RowListView* view = View(widget);
    return view ? &view->Rows() : nullptr;
}

} // namespace

void CListBox::ResetContent() {
    if (RowListView* view = View(widget_))
        view->Clear();
}

int CListBox::AddString(std::string_view text) {
    RowListModel* rows = Rows(widget_);
    return rows ? rows->Append(text) : LB_ERR;
}

void CListBox::MarkRow(int index, std::size_t begin, std::size_t end) {
    if (RowListModel* rows = Rows(widget_); rows && index >= 0 && index < rows->rowCount())
        rows->Mark(index, begin, end);
}

int CListBox::GetCount() const {
    const RowListModel* rows = Rows(widget_);
    return rows ? rows->rowCount() : 0;
}

std::string CListBox::GetText(int index) const {
    const RowListModel* rows = Rows(widget_);
    if (!rows || index < 0 || index >= rows->rowCount())
        return {};
    return rows->Row(index);
}
