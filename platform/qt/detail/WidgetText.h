#pragma once

#include <string>
#include <string_view>

class QWidget;

// Gives a window or control its text as bytes: the bytes are kept on the widget, so that every
// handle of it reads back the same, and shown decoded in the way the widget shows text, with
// control characters as symbols so that a name never breaks the control's line.
void SetWidgetText(QWidget* widget, std::string_view bytes);

// The bytes last given to the widget as its text; empty when it was never given any.
std::string WidgetText(const QWidget* widget);
