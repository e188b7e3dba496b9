#include "platform/qt/Icon.h"

#include "platform/resource/IconBitmap.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

// The alpha of a pixel that covers what lies under it.
constexpr std::uint32_t kOpaque = 0xFF000000;

// The source row or column under the centre of a pixel at the given size.
std::size_t SourceIndex(int index, int size) {
    return static_cast<std::size_t>((2 * index + 1) * IconBitmap::kSize / (2 * size));
}

} // namespace

QImage IconImage(const IconBitmap& bitmap, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::size_t row = SourceIndex(y, size);
            const std::size_t column = SourceIndex(x, size);
            // An index past the palette wraps round rather than reading past it.
            const std::uint32_t colour =
                kStandardPalette[bitmap.colours[row][column] % kStandardPalette.size()];
            image.setPixel(x, y, bitmap.transparent[row][column] ? 0u : kOpaque | colour);
        }
    }
    return image;
}

Icon::Icon(const IconBitmap& bitmap) {
    auto icon = std::make_shared<QIcon>();
    for (const int scale : {1, 2})
        icon->addPixmap(QPixmap::fromImage(IconImage(bitmap, scale * IconBitmap::kSize)));
    icon_ = std::move(icon);
}

const QIcon& Icon::ToQIcon() const {
    static const QIcon kNullIcon;
    return icon_ ? *icon_ : kNullIcon;
}
