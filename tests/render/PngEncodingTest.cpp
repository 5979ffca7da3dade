#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "render/PngEncoding.h"

namespace wendle {
namespace {

// The colour type in the PNG header: 2 truecolour, 3 palette, 6 with alpha.
int colourType(const QByteArray& png) {
    return png.size() > 25 ? int(static_cast<unsigned char>(png[25])) : -1;
}

QImage picture(QImage::Format format, int width, int height,
               const std::function<QRgb(int, int)>& colourAt) {
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, colourAt(x, y));
    return image;
}

TEST(PngEncoding, APaletteWhenTheColoursFitOneAndTheSamePixelsAlways) {
    struct Case {
        const char* what;
        QImage image;
        bool palette;
    };
    const Case cases[] = {
        {"two colours",
         picture(QImage::Format_RGB32, 40, 30,
                 [](int x, int) { return x < 20 ? 0xFF102030u : 0xFFFFFFFFu; }),
         true},
        {"exactly 256 colours",
         picture(QImage::Format_RGB32, 64, 16,
                 [](int x, int y) { return qRgb((y * 64 + x) % 256, 7, 255 - (x % 256)); }),
         true},
        {"257 colours",
         picture(QImage::Format_RGB32, 257, 3,
                 [](int x, int) { return qRgb(x % 256, x / 256, 9); }),
         false},
        {"a gradient over a thousand colours",
         picture(QImage::Format_RGB32, 1000, 2, [](int x, int) { return qRgb(x % 256, x / 4, 0); }),
         false},
        {"see-through and opaque pixels",
         picture(
             QImage::Format_ARGB32, 10, 10,
             [](int x, int) { return x < 5 ? qRgba(200, 10, 10, 128) : qRgba(0, 0, 255, 255); }),
         true},
        {"an opaque format's unused byte ignored",
         [] {
             QImage image(5, 5, QImage::Format_RGB32);
             image.fill(0x00FF0000u);  // red, its top byte left at zero
             return image;
         }(),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray png = encodePng(c.image);
        ASSERT_FALSE(png.isEmpty());
        EXPECT_EQ(colourType(png) == 3, c.palette) << "colour type " << colourType(png);
        QImage read;
        ASSERT_TRUE(read.loadFromData(png, "PNG"));
        ASSERT_EQ(read.size(), c.image.size());
        const bool alpha = c.image.hasAlphaChannel();
        int differing = 0;
        for (int y = 0; y < read.height(); ++y) {
            for (int x = 0; x < read.width(); ++x) {
                const QRgb want = alpha ? c.image.pixel(x, y) : (c.image.pixel(x, y) | 0xFF000000u);
                differing += read.pixel(x, y) != want;
            }
        }
        EXPECT_EQ(differing, 0);
    }
}

TEST(PngEncoding, ANullImageGivesNoBytes) {
    EXPECT_TRUE(encodePng(QImage()).isEmpty());
}

}  // namespace
}  // namespace wendle
