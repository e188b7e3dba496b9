#pragma once

class QWidget;

// Moves a window from the keyboard, as the system menu's Move does: each arrow key moves it by
// a few pixels, Enter leaves it where it is and Escape puts it back. A mouse click, the window
// losing its activation or being hidden also end the move where it is. While it lasts the
// pointer shows the move cursor and no key reaches the window's controls; the window stays
// active throughout. Starting a move on a window that is being moved does nothing. On Wayland,
// where a program cannot place its windows, the compositor's own move is started instead.
void StartKeyboardMove(QWidget& window);
