#pragma once

#include <QFileDialog>

#include <optional>
#include <string>
#include <vector>

// The byte path of a file that Qt shows by a name decoded from UTF-8, where each byte that is
// not UTF-8 reads U+FFFD. A part of the path holding U+FFFD is looked up in its folder and must
// match exactly one name there, so that the path found is never another file's; nullopt when
// the path is not absolute or a part matches no name or several.
std::optional<std::string> BytePathOf(const QString& shownPath);

// Qt's file dialog, made to accept a chosen path that shows U+FFFD for bytes that are not UTF-8,
// which Qt would refuse as missing: it is accepted when BytePathOf finds it; a choice it cannot
// find is refused as missing. Qt 6 lists no such name (its folder listings skip them), so only a
// path typed or pasted in that form comes here; folders with such names cannot be opened in it.
class ByteNameFileDialog : public QFileDialog {
    Q_OBJECT
public:
    using QFileDialog::QFileDialog;

    // The chosen files as byte paths; a file whose path cannot be found is left out.
    std::vector<std::string> SelectedBytePaths() const;

protected:
    void accept() override;
};
