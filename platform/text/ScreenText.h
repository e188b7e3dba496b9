#pragma once

#include <string>
#include <string_view>

// Turns the bytes of a row or label into UTF-8 for the screen: valid UTF-8 is kept, anything
// else is read as Shift-JIS (CP932) with U+FFFD for each byte that decodes neither way; a zero
// byte becomes U+2400 so it stays visible, and tabs and other control bytes are kept as they are.
std::string ToScreenText(std::string_view bytes);
