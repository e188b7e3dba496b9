#include "platform/qt/detail/ByteNameFileDialog.h"

#include <QFile>
#include <QMessageBox>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace {

bool HoldsUndecodedBytes(const QString& shownName) {
    return shownName.contains(QChar::ReplacementCharacter);
}

std::string EncodedName(const QString& name) {
    return QFile::encodeName(name).toStdString();
}

// The one name in the folder that Qt shows as shownName; nullopt for none or several.
std::optional<std::string> UniqueNameShownAs(const std::string& folder, const QString& shownName) {
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(opendir(folder.c_str()), closedir);
    if (!directory)
        return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = readdir(directory.get())) {
        if (QFile::decodeName(entry->d_name) != shownName)
            continue;
        if (found)
            return std::nullopt;
        found = entry->d_name;
    }
    return found;
}

bool IsExistingFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && !S_ISDIR(status.st_mode);
}

} // namespace

std::optional<std::string> BytePathOf(const QString& shownPath) {
    if (!HoldsUndecodedBytes(shownPath))
        return EncodedName(shownPath);
    if (!shownPath.startsWith(u'/'))
        return std::nullopt;
    std::string path;
    for (const QString& part : shownPath.split(u'/', Qt::SkipEmptyParts)) {
        const std::optional<std::string> name =
            HoldsUndecodedBytes(part) ? UniqueNameShownAs(path.empty() ? "/" : path, part)
                                      : EncodedName(part);
        if (!name)
            return std::nullopt;
        path += '/' + *name;
    }
    return path.empty() ? "/" : path;
}

std::vector<std::string> ByteNameFileDialog::SelectedBytePaths() const {
    std::vector<std::string> paths;
    for (const QString& shownPath : selectedFiles())
        if (std::optional<std::string> path = BytePathOf(shownPath))
            paths.push_back(std::move(*path));
    return paths;
}

void ByteNameFileDialog::accept() {
    const QStringList chosen = selectedFiles();
    const bool choosesExistingFiles = fileMode() == ExistingFiles || fileMode() == ExistingFile;
    if (!choosesExistingFiles || std::ranges::none_of(chosen, HoldsUndecodedBytes)) {
        QFileDialog::accept();
        return;
    }
    for (const QString& shownPath : chosen) {
        const std::optional<std::string> path = BytePathOf(shownPath);
        if (!path || !IsExistingFile(*path)) {
            QMessageBox::warning(this, windowTitle(),
                                 QFileDialog::tr("%1\nFile not found.\nPlease verify the "
                                                 "correct file name was given.")
                                     .arg(shownPath.section(u'/', -1)));
            return;
        }
    }
    QDialog::accept();
}
