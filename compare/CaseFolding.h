#pragma once

#include <string>
#include <string_view>

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Turns a-z into A-Z where the byte is a character of its own: every a-z of a line that is
// valid UTF-8; otherwise the line is read as Shift-JIS and the second byte of a double-byte
// character is never changed.
void FoldCase(std::string& line);
