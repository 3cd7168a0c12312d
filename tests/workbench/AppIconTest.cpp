// The installed icons: the scalable icon draws what the pixel icons show.
#include "AppIcon.h"

#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace {

// The SVG drawn on a transparent image of size x size pixels.
QImage RenderSvg(const QByteArray& svg, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The share of pixels whose colour or coverage differs by more than a quarter of the range
// in any channel.
double ShareDiffering(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            differing += most > 64;
        }
    }
    return double(differing) / (a.width() * a.height());
}

}  // namespace

TEST(AppIcon, TheScalableIconShowsWhatThePixelIconsShowAtEverySize)
{
    const QByteArray svg = AppIconSvg();
    ASSERT_TRUE(QSvgRenderer(svg).isValid());
    for (int size : {16, 64, 256}) {
        const QImage pixels = DrawAppIcon(size), scalable = RenderSvg(svg, size);
        ASSERT_EQ(pixels.size(), QSize(size, size));
        EXPECT_LT(ShareDiffering(pixels, scalable), 0.02) << size << " pixels";
        // The page covers the middle, the corners outside its rounded edge stay clear.
        EXPECT_EQ(qAlpha(scalable.pixel(size / 2, size / 2)), 255) << size;
        EXPECT_EQ(qAlpha(scalable.pixel(0, 0)), 0) << size;
    }
}
