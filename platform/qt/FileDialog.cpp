#include "platform/qt/FileDialog.h"

#include "platform/qt/WinDefs.h"
#include "platform/qt/detail/ByteNameFileDialog.h"
#include "platform/qt/detail/FileFilter.h"
#include "platform/qt/detail/OwnerWidget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

#include <algorithm>

namespace {

// Where a dialog given no folder, or one that is gone, opens: the folder of the session's last
// choice, at first the folder the program was started in.
QString FallbackFolder(const FileDialogSession& session) {
    return session.lastFolder.empty() ? QDir::currentPath()
                                      : QFile::decodeName(session.lastFolder.c_str());
}

// About two thirds of the screen, and at least 800 by 500 where the screen has room, so that the
// names and the other columns can be read whole.
void FitToScreen(QFileDialog& dialog) {
    const QScreen* screen =
        dialog.parentWidget() ? dialog.parentWidget()->screen() : dialog.screen();
    const QSize room = screen->availableGeometry().size();
    const QSize wanted(std::max(room.width() * 2 / 3, 800), std::max(room.height() * 2 / 3, 500));
    dialog.resize(wanted.boundedTo(room));
    if (auto* details = dialog.findChild<QTreeView*>()) {
        details->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

} // namespace

CFileDialog::CFileDialog(std::string_view filter, FileDialogSession& session, CWnd* parent)
    : filter_(filter), session_(session), parent_(parent) {}

int CFileDialog::DoModal() {
    selection_.clear();
    std::optional<std::vector<std::string>> chosen =
        session_.presenter ? session_.presenter(*this) : RunDialog();
    // A selection of nothing cannot come from the dialog; it counts as a cancel.
    if (!chosen || chosen->empty())
        return IDCANCEL;
    selection_ = std::move(*chosen);
    return IDOK;
}

std::optional<std::vector<std::string>> CFileDialog::RunDialog() {
    ByteNameFileDialog dialog(OwnerWidget(parent_));
    const QString initialFolder = QFile::decodeName(initialFolder_.c_str());
    dialog.setDirectory(!initialFolder_.empty() && QFileInfo(initialFolder).isDir()
                            ? initialFolder
                            : FallbackFolder(session_));
    FitToScreen(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(ToNameFilters(filter_));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    if (const QStringList chosen = dialog.selectedFiles(); !chosen.isEmpty())
        session_.lastFolder =
            QFile::encodeName(QFileInfo(chosen.constFirst()).absolutePath()).toStdString();
    return dialog.SelectedBytePaths();
}

std::size_t CFileDialog::GetStartPosition() const {
    return selection_.empty() ? 0 : 1;
}

std::string CFileDialog::GetNextPathName(std::size_t& position) const {
    if (position == 0 || position > selection_.size()) {
        position = 0;
        return {};
    }
    std::string path = selection_[position - 1];
    position = position < selection_.size() ? position + 1 : 0;
    return path;
}
