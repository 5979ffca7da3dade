#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "render/PngEncoding.h"
#include "render/qt/PngImage.h"

namespace wendle {
namespace {

// The colour type in the PNG header: 2 truecolour, 3 palette, 6 with alpha.
int colourType(const QByteArray& png) {
    return png.size() > 25 ? int(static_cast<unsigned char>(png[25])) : -1;
}

// Bits a sample in the PNG header.
int bitDepth(const QByteArray& png) {
    return png.size() > 24 ? int(static_cast<unsigned char>(png[24])) : -1;
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
        int bits;  // a palette's bits a pixel
    };
    const Case cases[] = {
        {"two colours",
         picture(QImage::Format_RGB32, 40, 30,
                 [](int x, int) { return x < 20 ? 0xFF102030u : 0xFFFFFFFFu; }),
         true, 1},
        {"one colour, a row shorter than a byte",
         picture(QImage::Format_RGB32, 3, 2, [](int, int) { return 0xFF405060u; }), true, 1},
        {"repeated rows, one unlike the rest only in its last pixel",
         picture(
             QImage::Format_RGB32, 13, 6,
             [](int x, int y) { return x < 5 || (y == 3 && x == 12) ? 0xFF000000u : 0xFFFFFFFFu; }),
         true, 1},
        {"a checkerboard, each pixel unlike the one above",
         picture(QImage::Format_RGB32, 13, 7,
                 [](int x, int y) { return (x + y) % 2 ? 0xFF000000u : 0xFFFFFFFFu; }),
         true, 1},
        {"four colours in runs across byte edges",
         picture(QImage::Format_RGB32, 37, 5,
                 [](int x, int y) { return qRgb(((x + 2 * y) / 3) % 4 * 60, 0, 0); }),
         true, 2},
        {"sixteen colours, rows shifted under each other",
         picture(QImage::Format_RGB32, 101, 9,
                 [](int x, int y) { return qRgb(0, ((x + y) / 5) % 16 * 16, 1); }),
         true, 4},
        {"seventeen colours",
         picture(QImage::Format_RGB32, 17, 3, [](int x, int) { return qRgb(x * 15, 0, 0); }), true,
         8},
        {"exactly 256 colours",
         picture(QImage::Format_RGB32, 64, 16,
                 [](int x, int y) { return qRgb((y * 64 + x) % 256, 7, 255 - (x % 256)); }),
         true, 8},
        {"257 colours",
         picture(QImage::Format_RGB32, 257, 3,
                 [](int x, int) { return qRgb(x % 256, x / 256, 9); }),
         false, 8},
        {"a gradient over a thousand colours",
         picture(QImage::Format_RGB32, 1000, 2, [](int x, int) { return qRgb(x % 256, x / 4, 0); }),
         false, 8},
        {"see-through and opaque pixels",
         picture(
             QImage::Format_ARGB32, 10, 10,
             [](int x, int) { return x < 5 ? qRgba(200, 10, 10, 128) : qRgba(0, 0, 255, 255); }),
         true, 1},
        {"clear pixels of different colours, and an opaque one last",
         picture(QImage::Format_ARGB32, 9, 4,
                 [](int x, int y) {
                     return x == 8 && y == 3 ? qRgba(1, 2, 3, 255) : qRgba(x * 20, y, 0, 0);
                 }),
         true, 8},
        {"an opaque format's unused byte ignored",
         [] {
             QImage image(5, 5, QImage::Format_RGB32);
             image.fill(0x00FF0000u);  // red, its top byte left at zero
             return image;
         }(),
         true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray png = encodePng(c.image);
        ASSERT_FALSE(png.isEmpty());
        EXPECT_EQ(colourType(png) == 3, c.palette) << "colour type " << colourType(png);
        if (c.palette) {
            EXPECT_EQ(bitDepth(png), c.bits);
        }
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
