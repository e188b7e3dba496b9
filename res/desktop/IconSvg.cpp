#include "res/desktop/IconSvg.h"

#include "platform/resource/IconBitmap.h"

#include <cstdio>

namespace {

std::string HexColour(std::uint8_t index) {
    // An index past the palette wraps round, as in the window's icon.
    const std::uint32_t colour = kStandardPalette[index % kStandardPalette.size()];
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour));
    return text;
}

} // namespace

std::string IconSvg(const IconBitmap& bitmap) {
    const std::string size = std::to_string(IconBitmap::kSize);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      size + "\" height=\"" + size + "\" viewBox=\"0 0 " + size + ' ' + size +
                      "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < IconBitmap::kSize; ++y) {
        const auto& colours = bitmap.colours[y];
        const auto& transparent = bitmap.transparent[y];
        for (int x = 0; x < IconBitmap::kSize;) {
            if (transparent[x]) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < IconBitmap::kSize && !transparent[end] && colours[end] == colours[x])
                ++end;
            svg += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                   "\" width=\"" + std::to_string(end - x) + "\" height=\"1\" fill=\"" +
                   HexColour(colours[x]) + "\"/>\n";
            x = end;
        }
    }
    return svg + "</svg>\n";
}
