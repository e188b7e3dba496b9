#pragma once

#include <array>
#include <cstdint>

// A 32 by 32 icon in the 16 standard colours: one palette index per pixel (row 0 at the top)
// and a mask in which true marks a transparent pixel.
struct IconBitmap {
    static constexpr int kSize = 32;
    std::array<std::array<std::uint8_t, kSize>, kSize> colours{};
    std::array<std::array<bool, kSize>, kSize> transparent{};
};

// The standard 16-colour palette as 0xRRGGBB, in palette order.
inline constexpr std::array<std::uint32_t, 16> kStandardPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
