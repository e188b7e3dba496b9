#pragma once

#include <QAbstractListModel>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The rows of a list box, each kept once as the bytes it was added with. The list shows a row
// only as far as it is wide, so only that start of a row is decoded, the first time the row is
// shown, and kept for every later paint; copying and tooltips decode what they need themselves.
class RowListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void Clear();
    int Append(std::string_view row);
    const std::string& Row(int index) const { return rows_[static_cast<std::size_t>(index)].bytes; }

    // Shows rows up to this many characters from their start; a larger number than before
    // lets the rows decoded so far be decoded again, a smaller one changes nothing.
    void ShowCharacters(std::size_t characters);

    // Marks the bytes [begin, end) of a row.
    void Mark(int index, std::size_t begin, std::size_t end);
    // Where the marked bytes of a row stand in the text it shows, as [first, last) positions.
    struct Columns {
        int first;
        int last;
    };
    std::optional<Columns> MarkedColumns(int index) const;

    // The whole row as the screen shows it, tabs kept.
    QString WholeText(int index) const;
    // The row as the screen shows it, cut with an ellipsis after the given number of characters.
    QString TextUpTo(int index, std::size_t maxCharacters) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Entry {
        std::string bytes;
        // The start of the row as shown, once it has been shown.
        mutable std::optional<QString> shown;
        std::optional<std::pair<std::size_t, std::size_t>> mark;
        mutable std::optional<Columns> markedColumns;
    };

    std::vector<Entry> rows_;
    std::size_t shownCharacters_ = 0;
};
