#pragma once

#include <cstddef>
#include <string_view>

// The length of the UTF-8 sequence that starts at bytes[index], or 0 when none starts there:
// overlong forms, surrogates and values past U+10FFFF are refused, as is a sequence that the
// end of the bytes cuts short.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t index);

// True when the bytes are well-formed UTF-8 from start to end.
bool IsValidUtf8(std::string_view bytes);
