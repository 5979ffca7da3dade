#include <gtest/gtest.h>

#include "RasterPixels.h"
#include "render/Border.h"

namespace wendle {
namespace {

using testing::pixelGrid;

constexpr Colour kNavy = 0x00800000;
constexpr Colour kLight = 0x00C64646;  // navy + 70
constexpr Colour kDark = 0x003A0000;   // navy - 70
constexpr Colour kMarker = 0x00123456;
const std::map<Colour, char> kLegend = {{kNavy, 'b'}, {kLight, 'L'}, {kDark, 'D'}};

Raster drawn(int w, int h, const BorderLook& look) {
    Raster raster(w, h);
    raster.fill(kMarker);
    drawBorder(raster, w, h, look);
    return raster;
}

TEST(Border, StylesLineByLine) {
    struct Case {
        const char* name;
        int w, h;
        BorderLook look;
        const char* expected;
    };
    const Case cases[] = {
        {"Raised Frame, width 1, 10 x 10",
         10,
         10,
         {kFrame, true, 1, 0, kNavy},
         "LLLLLLLLLL|"
         "LDDDDDDDLD|"
         "LD......LD|"
         "LD......LD|"
         "LD......LD|"
         "LD......LD|"
         "LD......LD|"
         "LD......LD|"
         "LbLLLLLLLD|"
         "DDDDDDDDDD|"},
        {"Lowered Frame swaps the pens",
         4,
         4,
         {kFrame, false, 1, 0, kNavy},
         "DDDD|"
         "DLDL|"
         "DbDL|"
         "LLLL|"},
        {"Raised Bevel: top-left corners light, the other three dark",
         8,
         6,
         {kBevel, true, 2, 0, kNavy},
         "LLLLLLLD|"
         "LLLLLLDD|"
         "LL....DD|"
         "LL....DD|"
         "LDDDDDDD|"
         "DDDDDDDD|"},
        {"Lowered Bevel",
         4,
         4,
         {kBevel, false, 1, 0, kNavy},
         "DDDL|"
         "D..L|"
         "D..L|"
         "LLLL|"},
        {"Bevel wider than the raster: rings cross, later lines win",
         4,
         3,
         {kBevel, true, 3, 0, kNavy},
         "LLLD|"
         "LDLD|"
         "DDLD|"},
        {"Bump with shading 0 is a flat band",
         4,
         4,
         {kBump, true, 1, 0, kNavy},
         "bbbb|"
         "b..b|"
         "b..b|"
         "bbbb|"},
        {"width 0 draws nothing", 3, 3, {kFrame, true, 0, 0, kNavy}, "...|...|...|"},
        {"negative width draws nothing", 3, 3, {kBevel, true, -2, 0, kNavy}, "...|...|...|"},
        {"style 0 draws nothing", 3, 3, {0, true, 1, 0, kNavy}, "...|...|...|"},
        {"style 4 draws nothing", 3, 3, {4, true, 1, 0, kNavy}, "...|...|...|"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pixelGrid(drawn(c.w, c.h, c.look), kLegend), c.expected) << c.name;
    }
}

TEST(Border, LoweredBumpShadesEachRingByShadingTimesItsDistanceFromTheInside) {
    // The default face border: navy, width 2, shading 24, lowered.
    const Raster raster = drawn(95, 30, BorderLook{kBump, false, 2, 24, kNavy});
    struct Pixel {
        int x, y;
        Colour colour;
    };
    const Pixel pixels[] = {
        {0, 0, 0x00500000},  {0, 15, 0x00500000},  {50, 0, 0x00500000},   // ring 0 top, left
        {94, 0, 0x00B03030}, {94, 15, 0x00B03030}, {50, 29, 0x00B03030},  // ring 0 bottom, right
        {1, 1, 0x00680000},  {1, 15, 0x00680000},  {50, 1, 0x00680000},   // ring 1 top, left
        {93, 1, 0x00981818}, {93, 15, 0x00981818}, {50, 28, 0x00981818},  // ring 1 bottom, right
        {2, 2, kMarker},
    };
    for (const Pixel& p : pixels) {
        EXPECT_EQ(raster.colourAt(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

TEST(Border, ShadingBeyondSixteenBitsSaturatesInsteadOfWrapping) {
    // 1000 x 1000 and 100000 x 3 both leave the 16-bit range; every ring is
    // then white on its top and left and black on its bottom and right.
    struct Case {
        BorderLook look;
        int size;
    };
    for (const Case& c : {Case{BorderLook{kBump, true, 1000, 1000, kNavy}, 2010},
                          Case{BorderLook{kBump, true, 3, 100000, kNavy}, 10}}) {
        const Raster raster = drawn(c.size, c.size, c.look);
        const int inner = c.look.width - 1, last = c.size - 1;
        EXPECT_EQ(raster.colourAt(0, 0), 0x00FFFFFFu) << c.look.width;
        EXPECT_EQ(raster.colourAt(inner, inner + 1), 0x00FFFFFFu) << c.look.width;
        EXPECT_EQ(raster.colourAt(last, last), 0x00000000u) << c.look.width;
        EXPECT_EQ(raster.colourAt(last - inner, last - inner), 0x00000000u) << c.look.width;
    }
}

}  // namespace
}  // namespace wendle
