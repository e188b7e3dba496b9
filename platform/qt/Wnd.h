#pragma once

#include "platform/qt/DropFiles.h"
#include "platform/qt/MessageBox.h"

#include <string>
#include <string_view>
#include <utility>

class QWidget;
class CDialog;

// A window or control that code addresses: a thin handle over the widget the dialog made from
// its template. Texts are bytes; they are shown decoded for the screen and read back unchanged.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    void SetWindowText(std::string_view text);
    std::string GetWindowText() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;

    // A modal message box over this window with an OK button; returns IDOK when closed.
    int MessageBox(std::string_view text, std::string_view caption, unsigned type);
    // Lets a test stand in for the message boxes of this window; an empty presenter brings the
    // real box back.
    void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
        messageBoxPresenter_ = std::move(presenter);
    }

    // Called when files are dropped on a control whose template row accepts files.
    virtual void OnDropFiles(HDROP drop);
    // The default handling of the message being handled: a dialog's system command is carried
    // out; for drops and painting there is nothing left to do.
    virtual void Default() {}

    // The widget behind this handle, for the window layer and for tests.
    QWidget* Widget() const { return widget_; }

protected:
    friend void DDX_Control(class CDataExchange* exchange, int id, CWnd& control);
    friend class CDialog;

    QWidget* widget_ = nullptr;
    CWnd* parent_ = nullptr; // the dialog a control is bound in

private:
    MessageBoxPresenter messageBoxPresenter_;
};
