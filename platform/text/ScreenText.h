#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

// How a tab shows: kept for a control that expands it to tab stops, or as a symbol like every
// other control character, for controls that show one line without tab stops.
enum class TabShown { AsTab, AsSymbol };

// Turns the bytes of a row or label into UTF-8 for the screen: valid UTF-8 is kept, anything
// else is read as Shift-JIS (CP932) with U+FFFD for each byte that decodes neither way. Control
// bytes show as their symbols (U+2400 to U+241F, U+2421 for DEL), and so do the Unicode line and
// paragraph separators (as U+2424), so that a text never breaks its line; the cost is linear in
// the length of the bytes.
std::string ToScreenText(std::string_view bytes, TabShown tabs = TabShown::AsTab);

// Hands ToScreenText(bytes, tabs) to `write` in pieces of some kilobytes, so that a long text is
// never held twice.
void StreamScreenText(std::string_view bytes, TabShown tabs,
                      const std::function<void(std::string_view)>& write);

// The first characters of ToScreenText, at most maxCharacters of them. Only the bytes those
// characters come from are decoded; the rest is only scanned once, to tell UTF-8 from Shift-JIS.
std::string ToScreenTextStart(std::string_view bytes, std::size_t maxCharacters, TabShown tabs);
