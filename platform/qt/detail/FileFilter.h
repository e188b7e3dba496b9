#pragma once

#include <QStringList>

#include <string_view>

// The file dialog's name filters for a filter text of "name|pattern|" pairs, several patterns
// of one pair separated by ';'. Each entry carries its patterns in a trailing parenthesis, which
// the dialog hides so that the name shows exactly as given; "*.*" becomes "*" so that it also
// matches names without a dot.
QStringList ToNameFilters(std::string_view filter);
