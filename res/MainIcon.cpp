#include "res/MainIcon.h"

#include <cstddef>
#include <string_view>

namespace {

// One character per pixel: a hexadecimal palette index (0 black, 3 dark yellow, 4 dark blue,
// 6 dark cyan, 7 light grey, 8 dark grey, B yellow, C blue, E cyan, F white) or '.' for a
// transparent pixel.
// clang-format off
constexpr std::string_view kPixels[IconBitmap::kSize] = {
    ".0000000000000..................",
    ".0FFFFFFFFFFF00.................",
    ".0FFFFFFFFFFF070................",
    ".0F88888888FF0770...............",
    ".0FFFFFFFFFFF07770..............",
    ".0FFFFFFFFFFF000000.............",
    ".0F8888888888888FF0.............",
    ".0FFFFFFFFFF0000000.............",
    ".0FFFFFFFF00BBB333300...........",
    ".0F8888880BB3333333300000.......",
    ".0FFFFFF0B333EEEE33330FF00......",
    ".0FFFFFF0B3EFFFEEEE330FF070.....",
    ".0F88880B3EFFEEEEEEE330F0770....",
    ".0FFFFF033EFEEEEEEEE330F07770...",
    ".0FFFFF033EFEEEEEEEE330F000000..",
    ".0F8888033EEEEEEEEEE33088888F0..",
    ".0FFFFF033EEEEEEEEE6330FFFFFF0..",
    ".0FFFFF033EEEEEEEE66330FFFFFF0..",
    ".0F88888033EEEEE66633088888FF0..",
    ".0FFFFFF03333E666333300FFFFFF0..",
    ".0FFFFFFF033333333330C40FFFFF0..",
    ".0FFFFFFFF0033333300CCC40888F0..",
    ".00000000000000000F0CCCC40FFF0..",
    "............0FFFFFFF0CCCC40FF0..",
    "............0F88888880CCCC40F0..",
    "............0FFFFFFFFF0CCCC400..",
    "............0FFFFFFFFFF0CCCC40..",
    "............0F88888888880CCCC40.",
    "............0FFFFFFFFFFFF0CCCC40",
    "............0FFFFFFFFFFFFF0CCCC0",
    "............0FFFFFFFFFFFFFF0CCC0",
    "............00000000000000000000",
};
// clang-format on

constexpr bool IsPixel(char pixel) {
    return pixel == '.' || (pixel >= '0' && pixel <= '9') || (pixel >= 'A' && pixel <= 'F');
}

constexpr bool PixelsAreWellFormed() {
    for (std::string_view row : kPixels) {
        if (row.size() != IconBitmap::kSize)
            return false;
        for (char pixel : row)
            if (!IsPixel(pixel))
                return false;
    }
    return true;
}
static_assert(PixelsAreWellFormed(), "each row needs 32 palette digits or dots");

constexpr std::uint8_t PaletteIndex(char pixel) {
    return static_cast<std::uint8_t>(pixel <= '9' ? pixel - '0' : pixel - 'A' + 10);
}

constexpr IconBitmap FromPixels() {
    IconBitmap icon;
    for (std::size_t y = 0; y < IconBitmap::kSize; ++y) {
        for (std::size_t x = 0; x < IconBitmap::kSize; ++x) {
            const char pixel = kPixels[y][x];
            icon.transparent[y][x] = pixel == '.';
            // Transparent pixels keep colour 0, as an icon's colour plane does under its mask.
            icon.colours[y][x] = pixel == '.' ? 0 : PaletteIndex(pixel);
        }
    }
    return icon;
}

} // namespace

constinit const IconBitmap kMainIcon = FromPixels();
