#pragma once

#include "platform/qt/detail/ControlFactory.h"

#include <QDialog>

#include <vector>

class CDialog;
class QHelpEvent;
class QPushButton;
struct DialogTemplate;

// The window of a CDialog: a fixed-size QDialog with the template's controls. It turns keys,
// clicks, the close box, right-clicks and file drops into the dialog's commands and messages,
// and shows the whole text of a label that is cut as its tooltip.
class DialogWindow : public QDialog {
    Q_OBJECT
public:
    DialogWindow(CDialog& owner, const DialogTemplate& dialogTemplate, QWidget* parent);

    // The first control made from a row with this id, or null.
    const TemplateControl* FindControl(int id) const;
    // Gives the focus to the first control in tab order that takes it, as a dialog opens.
    void FocusFirstTabStop();

public slots:
    // The close box and any other way Qt closes a dialog go through the dialog's IDCANCEL.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool HandleKey(const QKeyEvent& event);
    void PressEnter();
    void ShowSystemMenu(const QPoint& globalPos);
    const TemplateControl* DropTargetAt(const QPoint& pos) const;
    void ShowCutTextTip(const QHelpEvent& event);

    CDialog& owner_;
    std::vector<TemplateControl> controls_;
    QPushButton* defaultButton_ = nullptr;
};
