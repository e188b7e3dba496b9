#pragma once

#include <string>
#include <string_view>

class QWidget;

// Saves what the widget shows as <build folder>/screenshots/<name>.png, for a person to look
// at; returns the file's path, or an empty string when it could not be written.
std::string SaveSnapshot(QWidget* widget, std::string_view name);
