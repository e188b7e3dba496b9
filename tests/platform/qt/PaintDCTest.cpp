#include "platform/qt/PaintDC.h"

#include "platform/qt/Icon.h"
#include "platform/resource/IconBitmap.h"
#include "tests/platform/qt/TestDialog.h"
#include "tests/platform/qt/support/Snapshot.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr QPoint kPaintedIcon{2, 33};

// Paints the test icon on its background at every paint, as a minimised window would.
class PaintingDialog : public DefaultButtonDialog {
public:
    Icon icon{kTestIcon};

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        dc.EraseIconBackground();
        dc.DrawIcon(kPaintedIcon.x(), kPaintedIcon.y(), icon);
    }
};

struct IconPixels {
    QRgb transparentCorner = 0;
    QRgb body = 0;
    QRgb lastPixel = 0;
};

IconPixels PixelsAt(const QImage& image, QPoint origin) {
    return {image.pixel(origin + QPoint(3, 3)), image.pixel(origin + QPoint(20, 20)),
            image.pixel(origin + QPoint(31, 31))};
}

} // namespace

TEST(PaintDC, DrawsTheIconWithItsColoursAndTransparency) {
    PaintingDialog dialog;
    QImage image;
    QRgb background = 0;
    QRect iconLabel;
    CRect client;
    bool windowIconSet = false;
    RunModal(dialog, [&](QWidget* window) {
        dialog.SetIcon(dialog.icon);
        windowIconSet = !window->windowIcon().isNull();
        client = dialog.GetClientRect();
        for (QLabel* label : window->findChildren<QLabel*>())
            if (!label->pixmap().isNull())
                iconLabel = label->geometry();
        image = window->grab().toImage();
        background = window->palette().color(QPalette::Window).rgb();
        SaveSnapshot(window, "platform-painted-icon");
    });
    ASSERT_FALSE(image.isNull());
    const IconPixels painted = PixelsAt(image, kPaintedIcon);
    EXPECT_EQ(painted.transparentCorner & 0xFFFFFF, background & 0xFFFFFF);
    EXPECT_EQ(painted.body & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(painted.lastPixel & 0xFFFFFF, 0xFF0000u);

    // The icon static of the template shows the same picture at 32 by 32.
    EXPECT_EQ(iconLabel, QRect(131, 8, 32, 32));
    const IconPixels shown = PixelsAt(image, iconLabel.topLeft());
    EXPECT_EQ(shown.transparentCorner & 0xFFFFFF, background & 0xFFFFFF);
    EXPECT_EQ(shown.body & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(shown.lastPixel & 0xFFFFFF, 0xFF0000u);

    EXPECT_TRUE(windowIconSet);
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.Width(), 193);
    EXPECT_EQ(client.Height(), 98);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);
}
