#pragma once

#include <functional>

class CDialog;
class QWidget;

// Runs the action once on the next modal window that opens (a dialog, a message box, a file
// dialog): the one in front that was not in front when this was called. Call it before the
// code that opens the window. Keep assertions out of the action: copy what it sees into
// variables, close the window, and check them once the modal call has returned.
void RunOnNextModal(std::function<void(QWidget* modal)> action);

// The same for the next popup menu that opens, such as a dialog's system menu.
void RunOnNextPopup(std::function<void(QWidget* popup)> action);

// What DoModal returns when the steps leave the dialog open and RunModal ends it.
inline constexpr int kLeftOpen = 99;

// Runs the dialog modally with the steps done inside its loop, ends it with kLeftOpen when the
// steps leave it open, and returns what DoModal returned.
int RunModal(CDialog& dialog, std::function<void(QWidget* window)> steps);
