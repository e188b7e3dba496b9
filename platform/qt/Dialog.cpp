#include "platform/qt/Dialog.h"

#include "platform/qt/Button.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/ListBox.h"
#include "platform/qt/Static.h"
#include "platform/qt/detail/DialogWindow.h"
#include "platform/qt/detail/KeyboardMove.h"
#include "platform/qt/detail/OwnerWidget.h"
#include "platform/resource/DialogTemplate.h"
#include "platform/resource/WindowStyles.h"
#include "texts/Texts.h"

#include <cassert>
#include <utility>

namespace {

std::unique_ptr<CWnd> MakeHandle(ControlClass controlClass) {
    switch (controlClass) {
    case ControlClass::Button:
        return std::make_unique<CButton>();
    case ControlClass::ComboBox:
        return std::make_unique<CComboBox>();
    case ControlClass::ListBox:
        return std::make_unique<CListBox>();
    case ControlClass::Static:
        break;
    }
    return std::make_unique<CStatic>();
}

// Runs a handler with no system command in hand, and puts the outer one back afterwards.
template <class Handler> void RunWithout(unsigned& sysCommandInHand, Handler handler) {
    const unsigned held = std::exchange(sysCommandInHand, 0);
    handler();
    sysCommandInHand = held;
}

} // namespace

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    CDialog& dialog = exchange->dialog;
    if (control.widget_ && control.parent_ == &dialog)
        return;
    const TemplateControl* found = dialog.window_ ? dialog.window_->FindControl(id) : nullptr;
    assert(found && "the template has no control with this id");
    if (!found)
        return;
    control.widget_ = found->widget;
    control.parent_ = &dialog;
    dialog.boundItems_.push_back(&control);
}

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* parent)
    : template_(dialogTemplate), owner_(parent) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    if (!Open())
        return window_->result();
    return window_->exec();
}

bool CDialog::Open() {
    Detach();
    QWidget* ownerWidget = OwnerWidget(owner_);
    window_ = std::make_unique<DialogWindow>(*this, template_, ownerWidget);
    widget_ = window_.get();
    if (!icon_.IsNull())
        window_->setWindowIcon(icon_.ToQIcon());
    ended_ = false;
    if (OnInitDialog())
        window_->FocusFirstTabStop();
    return !ended_;
}

void CDialog::Detach() {
    for (CWnd* handle : boundItems_) {
        handle->widget_ = nullptr;
        handle->parent_ = nullptr;
    }
    boundItems_.clear();
    unboundItems_.clear();
    systemMenu_ = CMenu();
    systemMenuMade_ = false;
    widget_ = nullptr;
    window_.reset();
}

void CDialog::EndDialog(int result) {
    if (window_) {
        ended_ = true;
        window_->done(result);
    }
}

CWnd* CDialog::BoundHandle(const QWidget* widget) const {
    for (CWnd* handle : boundItems_)
        if (handle->widget_ == widget)
            return handle;
    return nullptr;
}

CWnd* CDialog::GetDlgItem(int id) {
    const TemplateControl* control = window_ ? window_->FindControl(id) : nullptr;
    if (!control)
        return nullptr;
    if (CWnd* bound = BoundHandle(control->widget))
        return bound;
    std::unique_ptr<CWnd>& handle = unboundItems_[id];
    if (!handle) {
        handle = MakeHandle(control->row->controlClass);
        handle->widget_ = control->widget;
        handle->parent_ = this;
    }
    return handle.get();
}

CMenu* CDialog::GetSystemMenu() {
    if (!(template_.style & style::WS_SYSMENU))
        return nullptr;
    if (!systemMenuMade_) {
        systemMenuMade_ = true;
        systemMenu_.AppendMenu(MF_STRING, SC_RESTORE, texts::kRestoreItem);
        systemMenu_.AppendMenu(MF_STRING, SC_MOVE, texts::kMoveItem);
        systemMenu_.AppendMenu(MF_STRING, SC_SIZE, texts::kSizeItem);
        systemMenu_.AppendMenu(MF_STRING, SC_MINIMIZE, texts::kMinimizeItem);
        systemMenu_.AppendMenu(MF_STRING, SC_MAXIMIZE, texts::kMaximizeItem);
        systemMenu_.AppendMenu(MF_SEPARATOR);
        systemMenu_.AppendMenu(MF_STRING, SC_CLOSE, texts::kCloseItem);
    }
    return &systemMenu_;
}

void CDialog::SetIcon(const Icon& icon) {
    icon_ = icon;
    if (window_)
        window_->setWindowIcon(icon.ToQIcon());
}

bool CDialog::IsIconic() const {
    return window_ && window_->isMinimized();
}

CRect CDialog::GetClientRect() const {
    if (!window_)
        return {};
    return {0, 0, window_->width(), window_->height()};
}

void CDialog::SendCommand(int id) {
    RunWithout(
        sysCommandInHand_,
        [this, id] {
            if (const auto handler = clickHandlers_.find(id); handler != clickHandlers_.end())
                handler->second();
            else if (id == IDOK)
                OnOK();
            else if (id == IDCANCEL)
                OnCancel();
        });
}

void CDialog::SendSysCommand(unsigned id) {
    const unsigned outer = std::exchange(sysCommandInHand_, id);
    OnSysCommand(id);
    sysCommandInHand_ = outer;
}

void CDialog::Paint() {
    RunWithout(
        sysCommandInHand_, [this] { OnPaint(); });
}

bool CDialog::OnInitDialog() {
    CDataExchange exchange(*this);
    DoDataExchange(&exchange);
    return true;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnSysCommand(unsigned) {
    Default();
}

void CDialog::Default() {
    if (const unsigned id = std::exchange(sysCommandInHand_, 0))
        DefaultSysCommand(id);
}

void CDialog::DefaultSysCommand(unsigned id) {
    if (!window_)
        return;
    switch (id & kSysCommandMask) {
    case SC_RESTORE:
        window_->showNormal();
        break;
    case SC_MOVE:
        StartKeyboardMove(*window_);
        break;
    case SC_MINIMIZE:
        window_->showMinimized();
        break;
    case SC_CLOSE:
        SendCommand(IDCANCEL);
        break;
    default:
        // The window has a fixed size: there is nothing to size or maximise.
        break;
    }
}
