#pragma once

class CWnd;
class QWidget;

// The window that a dialog or box opened for the given parent stands over: the parent's
// window, else the application's main window, else the modal window in front; null when
// there is none of these.
QWidget* OwnerWidget(const CWnd* parent);
