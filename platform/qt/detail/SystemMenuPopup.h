#pragma once

class CDialog;
class QPoint;
class QWidget;

// Shows the dialog's system menu as a popup at the given place and sends the chosen item's
// command to the dialog. Besides the items the menu grays, those the window cannot carry out
// in its present state are disabled: restore while it is not minimised, minimise without a
// minimise box, and size and maximise for a window of fixed size.
void PopUpSystemMenu(CDialog& dialog, QWidget& window, const QPoint& globalPos);
