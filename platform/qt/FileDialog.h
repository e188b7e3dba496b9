#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CFileDialog;
class CWnd;

// What stands in for the file dialog, for tests: it returns the selected paths, or nullopt for a
// cancel.
using FileDialogPresenter =
    std::function<std::optional<std::vector<std::string>>(const CFileDialog&)>;

// What the file dialogs of one window share over its life: the folder of the last choice made in
// any of them (bytes; empty until a choice is made), and what stands in for the dialog (empty:
// the real one).
struct FileDialogSession {
    std::string lastFolder;
    FileDialogPresenter presenter;
};

// The file-open dialog, for one file or several (the program saves nothing, so there is no save
// mode). The filter is "name|pattern|" pairs; "*.*" matches every file, names without a dot
// included. Selected paths come back as bytes. Qt's folder listings leave out every name that is
// not UTF-8, so such a file cannot be chosen here (a drop takes it). It opens in the folder it
// is given, else in the session's last folder, or at first in the folder the process
// started in, at about two thirds of the screen. The session must outlive it.
class CFileDialog {
public:
    CFileDialog(std::string_view filter, FileDialogSession& session, CWnd* parent = nullptr);

    // IDOK with a selection, IDCANCEL when cancelled (an empty selection counts as cancelled).
    int DoModal();
    // 0 is the null position: nothing (more) to take.
    std::size_t GetStartPosition() const;
    std::string GetNextPathName(std::size_t& position) const;

    // The folder to open in, as bytes; one that is not there is passed over.
    void SetInitialFolder(std::string folder) { initialFolder_ = std::move(folder); }

    const std::string& InitialFolder() const { return initialFolder_; }
    std::string_view Filter() const { return filter_; }

private:
    // Shows the real dialog; the chosen paths, or nullopt for a cancel.
    std::optional<std::vector<std::string>> RunDialog();

    std::string filter_;
    FileDialogSession& session_;
    CWnd* parent_;
    std::string initialFolder_;
    std::vector<std::string> selection_;
};
