#include "platform/qt/Icon.h"

#include "platform/resource/IconBitmap.h"
#include "tests/platform/qt/TestDialog.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kTransparent = 0;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kRed = 0xFFFF0000;

} // namespace

TEST(Icon, EverySizeTakesWholePixelsOfThePicture) {
    // The test icon is blue, its top-left quarter transparent and its bottom-right pixel red.
    const QImage twice = IconImage(kTestIcon, 64);
    EXPECT_EQ(twice.size(), QSize(64, 64));
    EXPECT_EQ(twice.pixel(31, 31), kTransparent);
    EXPECT_EQ(twice.pixel(32, 31), kBlue);
    EXPECT_EQ(twice.pixel(61, 63), kBlue);
    for (const QPoint corner : {QPoint(62, 62), QPoint(63, 62), QPoint(62, 63), QPoint(63, 63)})
        EXPECT_EQ(twice.pixel(corner), kRed) << corner.x() << ',' << corner.y();
    // Smaller and uneven sizes blend nothing: the single red pixel survives whole.
    for (const int size : {16, 24, 48}) {
        const QImage image = IconImage(kTestIcon, size);
        EXPECT_EQ(image.pixel(size - 1, size - 1), kRed) << size;
        EXPECT_EQ(image.pixel(0, size - 1), kBlue) << size;
        EXPECT_EQ(image.pixel(size / 2 - 1, size / 2 - 1), kTransparent) << size;
        EXPECT_EQ(image.pixel(size / 2, size / 2 - 1), kBlue) << size;
    }
}

TEST(Icon, HoldsThePictureAtTwiceItsSizeForScaledScreens) {
    const QIcon icon = Icon(kTestIcon).ToQIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(64, 64)}));
    const QImage sharp = icon.pixmap(QSize(32, 32), 2.0).toImage();
    EXPECT_EQ(sharp.size(), QSize(64, 64));
    EXPECT_EQ(sharp.pixel(62, 62), kRed);
    EXPECT_EQ(sharp.pixel(61, 62), kBlue);
    EXPECT_TRUE(Icon().ToQIcon().isNull());
}
