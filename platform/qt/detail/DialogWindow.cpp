#include "platform/qt/detail/DialogWindow.h"

#include "platform/qt/Dialog.h"
#include "platform/qt/DropFiles.h"
#include "platform/qt/detail/AccessibleNames.h"
#include "platform/qt/detail/CutText.h"
#include "platform/qt/detail/ScreenPlacement.h"
#include "platform/qt/detail/SystemMenuPopup.h"
#include "platform/qt/detail/UriList.h"
#include "platform/qt/detail/WidgetText.h"
#include "platform/resource/DialogTemplate.h"
#include "platform/resource/WindowStyles.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QSysInfo>
#include <QToolTip>

namespace {

using namespace style;

Qt::WindowFlags WindowFlagsOf(std::uint32_t windowStyle) {
    const bool systemMenu = windowStyle & WS_SYSMENU;
    const bool minimizeBox = systemMenu && (windowStyle & WS_MINIMIZEBOX);
    // A window that can be minimised is a window of its own, not a dialog hanging on another.
    Qt::WindowFlags flags =
        (minimizeBox ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (systemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

bool IsClickable(const DialogControl& row) {
    return row.controlClass == ControlClass::Button && (row.style & BS_TYPEMASK) != BS_GROUPBOX;
}

// Only files on this machine can be handed on, as byte paths in the drop's order. They come
// from the list's own bytes: Qt's URLs would turn a name that is not UTF-8 into another one.
std::vector<std::string> LocalPaths(const QMimeData* mimeData) {
    static const QString uriListType = QStringLiteral("text/uri-list");
    if (!mimeData || !mimeData->hasFormat(uriListType))
        return {};
    const QByteArray uriList = mimeData->data(uriListType);
    return LocalPathsOfUriList(
        std::string_view(uriList.constData(), static_cast<std::size_t>(uriList.size())),
        QSysInfo::machineHostName().toStdString());
}

void AcceptAsCopy(QDropEvent& event) {
    if (event.possibleActions() & Qt::CopyAction) {
        event.setDropAction(Qt::CopyAction);
        event.accept();
    } else {
        event.acceptProposedAction();
    }
}

} // namespace

DialogWindow::DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent, WindowFlagsOf(dialogTemplate.style)), owner_(owner) {
    setFont(TemplateFont(dialogTemplate));
    const BaseUnits units = BaseUnitsOf(font());
    setFixedSize(ToPixels(dialogTemplate.rect, units).size());
    SetWidgetText(this, dialogTemplate.caption);
    CentreWhenShown(*this);

    controls_ = MakeControls(this, dialogTemplate.controls, units);
    NameTextlessControls(controls_, windowTitle());
    bool acceptsFiles = false;
    for (const TemplateControl& control : controls_) {
        control.widget->installEventFilter(this);
        acceptsFiles = acceptsFiles || (control.row->exStyle & WS_EX_ACCEPTFILES);
        if (IsClickable(*control.row)) {
            const int id = control.row->id;
            connect(static_cast<QAbstractButton*>(control.widget), &QAbstractButton::clicked, this,
                    [this, id] { owner_.SendCommand(id); });
        }
        if (auto* button = qobject_cast<QPushButton*>(control.widget);
            button && button->isDefault())
            defaultButton_ = button;
    }
    // Drops are taken by the dialog and routed by position, so that a drop over a control that
    // lies on top of an accepting one still reaches the accepting one.
    setAcceptDrops(acceptsFiles);
}

const TemplateControl* DialogWindow::FindControl(int id) const {
    for (const TemplateControl& control : controls_)
        if (control.row->id == id)
            return &control;
    return nullptr;
}

void DialogWindow::FocusFirstTabStop() {
    for (const TemplateControl& control : controls_) {
        QWidget* widget = control.widget;
        if ((control.row->style & WS_TABSTOP) && widget->isEnabled() && !widget->isHidden() &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void DialogWindow::reject() {
    owner_.SendCommand(IDCANCEL);
}

bool DialogWindow::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        ShowCutTextTip(*static_cast<QHelpEvent*>(event));
        return true;
    }
    return QDialog::event(event);
}

void DialogWindow::ShowCutTextTip(const QHelpEvent& event) {
    // Labels let the mouse through, so their tooltips are the dialog's to show.
    for (const TemplateControl& control : controls_) {
        const QWidget* widget = control.widget;
        if (!widget->isVisible() || !widget->geometry().contains(event.pos()))
            continue;
        if (const QString text = CutLabelText(widget); !text.isEmpty()) {
            QToolTip::showText(event.globalPos(), text, this, widget->geometry());
            return;
        }
    }
    QToolTip::hideText();
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && HandleKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(*event))
        QDialog::keyPressEvent(event);
}

bool DialogWindow::HandleKey(const QKeyEvent& event) {
    const bool alt = event.modifiers() & Qt::AltModifier;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (alt)
            return false;
        PressEnter();
        return true;
    case Qt::Key_Escape:
        owner_.SendCommand(IDCANCEL);
        return true;
    case Qt::Key_Space:
        if (event.modifiers() != Qt::AltModifier || !owner_.GetSystemMenu())
            return false;
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    default:
        return false;
    }
}

void DialogWindow::PressEnter() {
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
        focused->click();
    else if (defaultButton_)
        defaultButton_->click();
    else
        owner_.SendCommand(IDOK);
}

void DialogWindow::ShowSystemMenu(const QPoint& globalPos) {
    PopUpSystemMenu(owner_, *this, globalPos);
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    // Only the background brings the menu up; controls that let the mouse through count as
    // background.
    if (event->reason() != QContextMenuEvent::Mouse || childAt(event->pos()) ||
        !owner_.GetSystemMenu()) {
        event->ignore();
        return;
    }
    event->accept();
    ShowSystemMenu(event->globalPos());
}

const TemplateControl* DialogWindow::DropTargetAt(const QPoint& pos) const {
    for (const TemplateControl& control : controls_)
        if ((control.row->exStyle & WS_EX_ACCEPTFILES) && control.widget->isEnabled() &&
            control.widget->isVisible() && control.widget->geometry().contains(pos))
            return &control;
    return nullptr;
}

void DialogWindow::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void DialogWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (DropTargetAt(event->position().toPoint()) && !LocalPaths(event->mimeData()).empty())
        AcceptAsCopy(*event);
    else
        event->ignore();
}

void DialogWindow::dropEvent(QDropEvent* event) {
    const TemplateControl* target = DropTargetAt(event->position().toPoint());
    const DropList drop{LocalPaths(event->mimeData())};
    if (!target || drop.paths.empty()) {
        event->ignore();
        return;
    }
    AcceptAsCopy(*event);
    if (CWnd* handle = owner_.BoundHandle(target->widget))
        handle->OnDropFiles(&drop);
}

void DialogWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    owner_.Paint();
}
