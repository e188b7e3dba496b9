#include "platform/qt/detail/RowListModel.h"

#include "platform/text/ScreenText.h"

void RowListModel::Clear() {
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    endResetModel();
}

int RowListModel::Append(std::string_view row) {
    const int index = static_cast<int>(rows_.size());
    beginInsertRows({}, index, index);
    rows_.push_back({std::string(row), std::nullopt});
    endInsertRows();
    return index;
}

void RowListModel::ShowCharacters(std::size_t characters) {
    if (characters <= shownCharacters_)
        return;
    shownCharacters_ = characters;
    for (Entry& row : rows_)
        row.shown.reset();
    if (!rows_.empty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
}

QString RowListModel::WholeText(int index) const {
    return QString::fromStdString(ToScreenText(Row(index), TabShown::AsTab));
}

QString RowListModel::TextUpTo(int index, std::size_t maxCharacters) const {
    const std::string start = ToScreenTextStart(Row(index), maxCharacters, TabShown::AsTab);
    const bool cut =
        ToScreenTextStart(Row(index), maxCharacters + 1, TabShown::AsTab).size() > start.size();
    return QString::fromStdString(start) + (cut ? QStringLiteral("…") : QString());
}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const Entry& row = rows_[static_cast<std::size_t>(index.row())];
    if (!row.shown) {
        row.shown =
            QString::fromStdString(ToScreenTextStart(row.bytes, shownCharacters_, TabShown::AsTab));
    }
    return *row.shown;
}
