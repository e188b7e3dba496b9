#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CWnd;

// The file-open dialog (the program saves nothing, so there is no save mode). The filter is
// "name|pattern|" pairs; "*.*" matches every file, names without a dot included. Selected paths
// come back as bytes, names that are not UTF-8 included. It opens in the folder it is given, else
// in the folder of the last choice made in any file dialog of the process, or at first in the
// folder the process started in, at about two thirds of the screen.
class CFileDialog {
public:
    // Of the flags, only OFN_ALLOWMULTISELECT changes what the dialog does.
    CFileDialog(unsigned flags, std::string_view filter, CWnd* parent = nullptr);

    // IDOK with a selection, IDCANCEL when cancelled (an empty selection counts as cancelled).
    int DoModal();
    // 0 is the null position: nothing (more) to take.
    std::size_t GetStartPosition() const;
    std::string GetNextPathName(std::size_t& position) const;

    // The folder to open in, as bytes; one that is not there is passed over.
    void SetInitialFolder(std::string folder) { initialFolder_ = std::move(folder); }

    unsigned Flags() const { return flags_; }
    const std::string& InitialFolder() const { return initialFolder_; }
    std::string_view Filter() const { return filter_; }

    // Lets tests stand in for the dialog: the presenter returns the selected paths, or nullopt
    // for a cancel. An empty presenter brings the real dialog back.
    using Presenter = std::function<std::optional<std::vector<std::string>>(const CFileDialog&)>;
    static void SetPresenter(Presenter presenter);

private:
    // Shows the real dialog; the chosen paths, or nullopt for a cancel.
    std::optional<std::vector<std::string>> RunDialog() const;

    unsigned flags_;
    std::string filter_;
    CWnd* parent_;
    std::string initialFolder_;
    std::vector<std::string> selection_;
};
