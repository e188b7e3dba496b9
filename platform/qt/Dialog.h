#pragma once

#include "platform/qt/Icon.h"
#include "platform/qt/Menu.h"
#include "platform/qt/WinDefs.h"
#include "platform/qt/Wnd.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

struct DialogTemplate;
class DialogWindow;

// Passed to DoDataExchange; binds control handles to the controls made from the template.
class CDataExchange {
public:
    explicit CDataExchange(CDialog& dialog) : dialog(dialog) {}
    CDialog& dialog;
};

// Binds a control handle to the dialog's control with the given id, the first time only.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

// A modal dialog built from a template: controls made from each row, dialog units converted
// with the base units of the template's font, tab order in template order over tab stops.
// Enter presses the focused push button, else the default button, else sends IDOK; Escape
// and the close box send IDCANCEL. The system menu pops up on a right-click on the
// background and on Alt+Space.
class CDialog : public CWnd {
public:
    explicit CDialog(const DialogTemplate& dialogTemplate, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates a fresh window, runs OnInitDialog, shows it modally; returns the code it ended
    // with. The closed window and the handles bound to it last until the next DoModal.
    virtual int DoModal();
    void EndDialog(int result);

    // A handle for any control of the template; bound handles are returned as bound.
    CWnd* GetDlgItem(int id);
    // The system menu (made on first use with the usual items), or null when the template has
    // none.
    CMenu* GetSystemMenu();
    // The window's icon, at every size it is shown at.
    void SetIcon(const Icon& icon);
    bool IsIconic() const;
    CRect GetClientRect() const;

    // Commands arriving from controls, menus and keys, as the dialog's message loop sees them.
    void SendCommand(int id);
    void SendSysCommand(unsigned id);
    // While a system command is handled: its default handling (restore, a move from the
    // keyboard, minimise, close).
    void Default() override;

protected:
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* exchange);
    // Default: restore, minimise and close as the window manager offers them, and a move from
    // the keyboard (the same as calling Default() while handling the command).
    virtual void OnSysCommand(unsigned id);
    // Default: the dialog's own painting.
    virtual void OnPaint() {}

    // Runs a handler of the derived dialog when the control with this id is clicked, or pressed
    // from the keyboard.
    template <class Dialog> void MapClicked(int controlId, void (Dialog::*handler)()) {
        clickHandlers_[controlId] = [this, handler] { (static_cast<Dialog*>(this)->*handler)(); };
    }

private:
    friend class DialogWindow;
    friend void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

    void DefaultSysCommand(unsigned id);
    // Builds a fresh window and runs OnInitDialog; false when the dialog ended meanwhile.
    bool Open();
    // Lets go of the handles bound to the previous window.
    void Detach();
    CWnd* BoundHandle(const QWidget* widget) const;
    // Runs OnPaint; like every handler but OnSysCommand it has no system command in hand, so
    // a Default() inside it cannot carry out a command that an outer handler is still holding.
    void Paint();

    const DialogTemplate& template_;
    CWnd* owner_;
    std::unique_ptr<DialogWindow> window_;
    std::map<int, std::function<void()>> clickHandlers_;
    std::map<int, std::unique_ptr<CWnd>> unboundItems_;
    std::vector<CWnd*> boundItems_;
    CMenu systemMenu_;
    bool systemMenuMade_ = false;
    bool ended_ = false;
    unsigned sysCommandInHand_ = 0;
    Icon icon_;
};
