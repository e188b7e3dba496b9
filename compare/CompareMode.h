#pragma once

#include <cstdint>

// Which comparison a run performs. Stored as a plain 32-bit value: readers test for Text,
// and every other value, including ones outside the enumeration, counts as Binary.
enum class CompareMode : std::int32_t { Binary = 0, Text = 1 };

inline bool IsTextMode(CompareMode mode) {
    return mode == CompareMode::Text;
}
