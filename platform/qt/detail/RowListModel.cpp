#include "platform/qt/detail/RowListModel.h"

#include "encoding/Utf8.h"
#include "platform/text/ScreenText.h"

#include <algorithm>

namespace {

// How many UTF-16 units the first `prefix` bytes of a row take where the row is shown: a byte
// within a UTF-8 character counts with the character.
int ShownUnits(std::string_view row, std::size_t prefix) {
    if (IsValidUtf8(row))
        while (prefix > 0 && prefix < row.size() &&
               (static_cast<unsigned char>(row[prefix]) & 0xC0) == 0x80)
            --prefix;
    return static_cast<int>(
        QString::fromStdString(ToScreenText(row.substr(0, prefix), TabShown::AsTab)).size());
}

} // namespace

void RowListModel::Clear() {
    beginResetModel();
    rows_.clear();
    rows_.shrink_to_fit();
    endResetModel();
}

int RowListModel::Append(std::string_view row) {
    const int index = static_cast<int>(rows_.size());
    beginInsertRows({}, index, index);
    rows_.push_back({std::string(row), std::nullopt, std::nullopt, std::nullopt});
    endInsertRows();
    return index;
}

void RowListModel::Mark(int index, std::size_t begin, std::size_t end) {
    Entry& row = rows_[static_cast<std::size_t>(index)];
    row.mark = std::pair(begin, end);
    row.markedColumns.reset();
    emit dataChanged(this->index(index), this->index(index), {Qt::DisplayRole});
}

std::optional<RowListModel::Columns> RowListModel::MarkedColumns(int index) const {
    const Entry& row = rows_[static_cast<std::size_t>(index)];
    if (!row.mark)
        return std::nullopt;
    if (!row.markedColumns) {
        // Only as far as the row is shown: a mark past that is cut where the row is.
        // A character takes four bytes at most.
        const std::size_t shownBytes =
            std::min({row.bytes.size(), row.mark->second, shownCharacters_ * 4});
        row.markedColumns = Columns{ShownUnits(row.bytes, std::min(row.mark->first, shownBytes)),
                                    ShownUnits(row.bytes, shownBytes)};
    }
    return row.markedColumns;
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
