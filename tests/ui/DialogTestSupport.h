#pragma once

#include "platform/qt/Dialog.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/MessageBox.h"
#include "tests/platform/qt/support/ModalDriver.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CComboBox;
class CListBox;
class QAbstractButton;
class QWidget;

// The handle of one of the dialog's controls, as the class it was bound as or made from.
template <class Control> Control& ControlOf(CDialog& dialog, int id) {
    return dynamic_cast<Control&>(*dialog.GetDlgItem(id));
}

// The button of a window that shows the text, for dialogs that tests hold no handle of.
QAbstractButton* ButtonWithText(QWidget* window, std::string_view text);

// Clicks the middle of a control with the mouse where its window receives it, as a user would.
void ClickWidget(QWidget* control);
void Click(CDialog& dialog, int id);

// Presses a key with the focus on the control.
void PressKeyOn(CDialog& dialog, int id, int key);

// Opens the settings dialog with the main dialog's Settings button, clicks the buttons with
// these texts in it one after the other, and presses the key if it is still open; returns
// whether its Binary radio was checked when it opened.
bool UseSettingsDialog(CDialog& mainDialog, std::vector<std::string_view> presses, int endKey);

// One entry of a combo box: its text and its item data.
struct ComboEntry {
    std::string text;
    std::intptr_t slot = 0;
    bool operator==(const ComboEntry&) const = default;
};
std::vector<ComboEntry> EntriesOf(const CComboBox& combo);
// The paths PREFIX0.bin, PREFIX1.bin and so on, `count` of them.
std::vector<std::string> NumberedPaths(std::string_view prefix, int count);
std::vector<std::string> RowsOf(const CListBox& list);

// Drops local files on the dialog at the middle of a control, as the window system delivers a
// drop from the file manager: a text/uri-list with every byte of the paths kept.
void DropFilesOn(CDialog& dialog, int id, const std::vector<std::string>& paths);

// Stands in for the message boxes of the windows given its presenter, recording every box that
// would have opened; it must outlive those windows.
class MessageBoxRecorder {
public:
    struct Box {
        const CWnd* owner = nullptr;
        std::string text;
        std::string caption;
        unsigned type = 0;
        bool operator==(const Box&) const = default;
    };

    MessageBoxRecorder() = default;
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    MessageBoxPresenter Presenter();

    std::vector<Box> boxes;
};

// Stands in for the file dialogs of the windows given its presenter: each opening takes the next
// of the queued answers (a selection, or nullopt for a cancel) and records how the dialog was set
// up. It must outlive those windows.
class FileDialogStandIn {
public:
    struct Opening {
        std::string filter;
        std::string folder;
        bool operator==(const Opening&) const = default;
    };

    FileDialogStandIn() = default;
    FileDialogStandIn(const FileDialogStandIn&) = delete;
    FileDialogStandIn& operator=(const FileDialogStandIn&) = delete;

    FileDialogPresenter Presenter();
    void Queue(std::optional<std::vector<std::string>> answer);

    std::vector<std::optional<std::vector<std::string>>> answers;
    std::vector<Opening> openings;
};
