#pragma once

#include <string>
#include <string_view>
#include <vector>

// Plain, slow models of the text comparison's pieces, written to be read rather than to be fast:
// what the engine must do to a line or a name, against which its fast code is checked.
namespace reference {

// How two lines are compared: folded to capitals, with runs of blanks compressed.
struct TextOptions {
    bool foldCase = true;
    bool compressBlanks = false;
};

// The lines of a file: each ends at LF, which is dropped with a CR directly before it; a last
// line without LF is a line; every other byte, a lone CR and zero bytes included, belongs to it.
std::vector<std::string> SplitLines(std::string_view bytes);

// True for well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool IsUtf8(std::string_view bytes);

// a-z to A-Z where the byte is a character of its own: every byte of a UTF-8 line; in any other
// line, read as Shift-JIS, never the second byte of a double-byte character.
std::string FoldCase(std::string_view line);

// Every maximal run of blanks and tabs becomes one blank.
std::string CompressBlanks(std::string_view line);

// Whether two lines count as equal: compressed when asked, then folded when asked.
bool LinesEqual(std::string_view line1, std::string_view line2, TextOptions options);

// The bytes after the last separator, or the whole path when it holds none.
std::string DisplayName(std::string_view path, char separator);

} // namespace reference
