#include <gtest/gtest.h>

#include "RasterPixels.h"
#include "render/ColourMath.h"
#include "render/Gradient.h"

namespace wendle {
namespace {

TEST(ColourMath, GetColorShiftsEachChannelAndClamps) {
    struct Case {
        Colour colour;
        std::int16_t delta;
        Colour expected;
    };
    const Case cases[] = {
        {0x00800000, 70, 0x00C64646},    {0x00800000, -70, 0x003A0000},
        {0x00FFFFFF, 70, 0x00FFFFFF},    {0x00000000, -70, 0x00000000},
        {0x00123456, 300, 0x00FFFFFF},   {0x00123456, -300, 0x00000000},
        {0xAB123456, 0, 0x00123456},  // the top byte is never carried over
        {0x00800000, 32767, 0x00FFFFFF}, {0x00800000, -32768, 0x00000000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(getColor(c.colour, c.delta), c.expected)
            << std::hex << c.colour << " " << std::dec << c.delta;
    }
}

TEST(ColourMath, ContrastColorIsBlackOrWhitePerChannel) {
    struct Case {
        Colour colour, expected;
    };
    const Case cases[] = {
        {0x00000000, 0x00FFFFFF}, {0x00C0C0C0, 0x00000000},
        {0x00800000, 0x0000FFFF}, {0x00807F80, 0x0000FF00},  // 128 gives 0, 127 gives 255
        {0xFF000000, 0x00FFFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(contrastColor(c.colour), c.expected) << std::hex << c.colour;
}

TEST(ColourMath, GetIncrementNeverDividesByZero) {
    EXPECT_DOUBLE_EQ(getIncrement(0, 128, 91), 128.0 / 91);
    EXPECT_DOUBLE_EQ(getIncrement(200, 100, 4), -25.0);
    EXPECT_DOUBLE_EQ(getIncrement(10, 30, 0), 20.0);
    EXPECT_DOUBLE_EQ(getIncrement(30, 30, 5), 0.0);
}

TEST(ColourMath, ShadingProductsClampIntoSixteenBits) {
    EXPECT_EQ(clampedDelta(1000LL * 1000), 32767);
    EXPECT_EQ(clampedDelta(-1000LL * 1000), -32768);
    EXPECT_EQ(clampedDelta(-70), -70);
}

// A raster pre-filled with a marker so that untouched pixels show.
constexpr Colour kMarker = 0x00123456;

Raster markedRaster(int w, int h) {
    Raster raster(w, h);
    raster.fill(kMarker);
    return raster;
}

TEST(Gradient, DefaultFaceFadesBlackToNavyOverTheInnerBand) {
    Raster raster = markedRaster(95, 30);
    fadeBackground(0x00000000, 0x00800000, 2, 95, 30, raster);
    struct Column {
        int x;
        Colour colour;
    };
    // Blue slope 128 / 91 times the absolute column, rounded.
    const Column columns[] = {{2, 0x00030000}, {3, 0x00040000}, {50, 0x00460000}, {92, 0x00810000}};
    for (const Column& c : columns) {
        for (int y : {2, 15, 27}) {
            EXPECT_EQ(raster.colourAt(c.x, y), c.colour) << "column " << c.x << " row " << y;
        }
    }
    for (auto [x, y] : {std::pair{1, 10}, {93, 10}, {50, 1}, {50, 28}, {0, 0}, {94, 29}}) {
        EXPECT_EQ(raster.colourAt(x, y), kMarker) << "outside the band: " << x << "," << y;
    }
}

TEST(Gradient, ColumnsRoundTiesToEvenInExtendedPrecisionAndClamp) {
    struct Case {
        const char* name;
        Colour start, end;
        int inset, width, x;
        std::uint8_t red;
    };
    const Case cases[] = {
        // Slope 1/2 (two columns): products 0.5, 1.5, 2.5, 3.5.
        {"0.5 gives 0", 0, rgb(1, 0, 0), -1, 0, 1, 0},
        {"1.5 gives 2", 0, rgb(1, 0, 0), -1, 0, 3, 2},
        {"2.5 gives 2", 0, rgb(1, 0, 0), -1, 0, 5, 2},
        {"3.5 gives 4", 0, rgb(1, 0, 0), -1, 0, 7, 4},
        // Slope 1/10 held as a double lies a hair above 0.1: five of it in
        // extended precision is just over a half (a double product would tie).
        {"extended product", 0, rgb(1, 0, 0), 0, 10, 5, 1},
        {"held at 255 beyond the end", rgb(200, 0, 0), rgb(255, 0, 0), 10, 25, 14, 255},
        {"held at 0 below", rgb(50, 0, 0), rgb(0, 0, 0), 10, 25, 14, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(redOf(gradientColumnColour(c.start, c.end, c.inset, c.width, c.x)), c.red)
            << c.name;
    }
}

TEST(Gradient, EqualChannelsStayAndANarrowFaceDrawsNothing) {
    Raster raster = markedRaster(40, 4);
    fadeBackground(0x00204060, 0x00FF4060, 0, 40, 4, raster);
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(redOf(raster.colourAt(x, 0)), 0x60);
        EXPECT_EQ(greenOf(raster.colourAt(x, 3)), 0x40);
    }
    // Inset 0: the last column is one step short of the end colour.
    EXPECT_EQ(blueOf(raster.colourAt(39, 0)), 0x20 + 217);

    Raster narrow = markedRaster(4, 4);
    fadeBackground(0x00000000, 0x00FFFFFF, 2, 4, 4, narrow);
    EXPECT_EQ(testing::boundsOf(narrow, kMarker, narrow.area()), (Rect{0, 0, 4, 4}));
}

}  // namespace
}  // namespace wendle
