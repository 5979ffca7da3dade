#include <gtest/gtest.h>

#include "RasterPixels.h"
#include "image/Picture.h"
#include "render/Raster.h"
#include "render/qt/RasterImage.h"

namespace wendle {
namespace {

using testing::pixelGrid;

constexpr Colour kInk = 0x000000FF;    // red
constexpr Colour kOther = 0x00FF0000;  // blue
const std::map<Colour, char> kLegend = {{kInk, '#'}, {kOther, 'o'}};

TEST(Raster, ConvertsTheModelColourOnlyAtThePixel) {
    Raster raster(1, 1);
    raster.setPixel(0, 0, 0x00332211);  // red 11, green 22, blue 33
    EXPECT_EQ(raster.pixel(0, 0), 0xFF112233u);
    EXPECT_EQ(raster.colourAt(0, 0), 0x00332211u);
    EXPECT_EQ(copyToImage(raster).pixel(0, 0), 0xFF112233u);
}

TEST(Raster, LinesIncludeTheStartAndExcludeTheEnd) {
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
        Pen pen;
        const char* expected;
    };
    const Case cases[] = {
        {"rightwards", 1, 1, 4, 1, Pen::Solid, ".....|.###.|.....|"},
        {"leftwards", 4, 1, 1, 1, Pen::Solid, ".....|..###|.....|"},
        {"downwards", 2, 0, 2, 2, Pen::Solid, "..#..|..#..|.....|"},
        {"upwards", 2, 2, 2, 0, Pen::Solid, ".....|..#..|..#..|"},
        {"a single point draws nothing", 2, 1, 2, 1, Pen::Solid, ".....|.....|.....|"},
        {"clipped at both ends", -5, 0, 50, 0, Pen::Solid, "#####|.....|.....|"},
        {"dotted from its start", 0, 2, 5, 2, Pen::Dotted, ".....|.....|#.#.#|"},
        {"dotted leftwards", 4, 0, -1, 0, Pen::Dotted, "#.#.#|.....|.....|"},
        {"dotted, start off the raster", -1, 1, 5, 1, Pen::Dotted, ".....|.#.#.|.....|"},
        {"slanting", 0, 0, 3, 3, Pen::Solid, "#....|.#...|..#..|"},
    };
    for (const Case& c : cases) {
        Raster raster(5, 3);
        raster.line(c.x0, c.y0, c.x1, c.y1, kInk, c.pen);
        EXPECT_EQ(pixelGrid(raster, kLegend), c.expected) << c.name;
    }
}

TEST(Raster, OutlinesAndFills) {
    struct Case {
        const char* name;
        Rect rect;
        bool fill;
        Pen pen;
        const char* expected;
    };
    const Case cases[] = {
        {"outline", {1, 0, 5, 3}, false, Pen::Solid, ".####.|.#..#.|.####.|"},
        {"one column", {2, 0, 3, 3}, false, Pen::Solid, "..#...|..#...|..#...|"},
        {"dotted, once round", {0, 0, 6, 3}, false, Pen::Dotted, "#.#.#.|.....#|#.#.#.|"},
        {"empty", {3, 1, 3, 2}, false, Pen::Solid, "......|......|......|"},
        {"fill clipped", {-2, 1, 2, 9}, true, Pen::Solid, "......|##....|##....|"},
    };
    for (const Case& c : cases) {
        Raster raster(6, 3);
        if (c.fill) {
            raster.fill(c.rect, kInk);
        } else {
            raster.outline(c.rect, kInk, c.pen);
        }
        EXPECT_EQ(pixelGrid(raster, kLegend), c.expected) << c.name;
    }
}

TEST(Raster, AnAreaAwayFromTheOriginDrawsInTheDrawingsCoordinates) {
    Raster part;
    ASSERT_TRUE(part.setArea(Rect{10, 20, 14, 22}));
    part.fill(kOther);
    part.line(0, 21, 100, 21, kInk);  // mostly outside
    part.setPixel(9, 20, kInk);       // outside: ignored
    EXPECT_EQ(pixelGrid(part, kLegend), "oooo|####|");

    // Drawn onto a whole raster, the part's (10, 20) lands at (x + 10, y + 20).
    Raster whole(6, 3);
    whole.draw(part, -9, -20);
    EXPECT_EQ(pixelGrid(whole, kLegend), ".oooo.|.####.|......|");
}

TEST(Raster, AMovedRasterLeavesAnEmptyOneAndAnImageTakesThePixels) {
    Raster source(3, 2);
    source.fill(0x000000FF);
    Raster moved(std::move(source));
    EXPECT_TRUE(source.empty()) << "an empty area, not an area without pixels";
    EXPECT_EQ(source.area(), Rect{});
    Raster assigned;
    assigned = std::move(moved);
    EXPECT_TRUE(moved.empty());
    EXPECT_EQ(assigned.colourAt(2, 1), 0x000000FFu);

    const QImage image = takeImage(assigned);
    EXPECT_TRUE(assigned.empty());
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(2, 1), 0xFFFF0000u);
    Raster empty;
    EXPECT_TRUE(takeImage(empty).isNull());
}

TEST(Raster, RefusesAbsurdSizesAndKeepsPixelsWhileTheAreaStays) {
    Raster raster;
    EXPECT_FALSE(raster.setSize(100000, 100000));
    EXPECT_TRUE(raster.empty());

    ASSERT_TRUE(raster.setSize(2, 1));
    raster.fill(kInk);
    ASSERT_TRUE(raster.setSize(2, 1));
    EXPECT_EQ(raster.colourAt(1, 0), kInk) << "same area: pixels kept";
    ASSERT_TRUE(raster.setSize(3, 1));
    EXPECT_EQ(raster.colourAt(1, 0), 0x000000u) << "new area: black";
}

TEST(Raster, DrawsPicturesThroughItsArea) {
    const Picture picture(2, 1, {0xFF0000FF, Picture::kTransparent});  // blue, hole
    Raster raster;
    raster.setArea(Rect{5, 5, 8, 6});
    raster.fill(kInk);
    raster.drawPicture(picture, 6, 5);
    EXPECT_EQ(pixelGrid(raster, kLegend), "#o#|");
    raster.stretchPicture(picture, Rect{5, 5, 9, 6});
    EXPECT_EQ(pixelGrid(raster, kLegend), "oo#|");
}

}  // namespace
}  // namespace wendle
