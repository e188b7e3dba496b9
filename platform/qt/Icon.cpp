#include "Icon.h"

#include "IconBitmap.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

QImage ToImage(const IconBitmap& bitmap) {
    QImage image(IconBitmap::kSize, IconBitmap::kSize, QImage::Format_ARGB32);
    for (int y = 0; y < IconBitmap::kSize; ++y) {
        for (int x = 0; x < IconBitmap::kSize; ++x) {
            const auto row = static_cast<std::size_t>(y);
            const auto column = static_cast<std::size_t>(x);
            const std::uint32_t colour = kStandardPalette[bitmap.colours[row][column] & 0x0F];
            image.setPixel(x, y, bitmap.transparent[row][column] ? 0u : 0xFF000000u | colour);
        }
    }
    return image;
}

} // namespace

Icon::Icon(const IconBitmap& bitmap)
    : icon_(std::make_shared<const QIcon>(QPixmap::fromImage(ToImage(bitmap)))) {}

const QIcon& Icon::ToQIcon() const {
    static const QIcon kNullIcon;
    return icon_ ? *icon_ : kNullIcon;
}
