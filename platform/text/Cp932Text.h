#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Decodes Shift-JIS (CP932) bytes into UTF-8, up to maxCharacters characters. A well-formed pair
// missing from the table stands in as one U+FFFD; any other byte that starts no character stands
// in as one U+FFFD of its own, so that an ASCII byte after a lead byte is never swallowed. Only
// the bytes that the characters come from are read, each once.
std::string Cp932ToUtf8(std::string_view bytes, std::size_t maxCharacters);
