#include <gtest/gtest.h>

#include "RasterPixels.h"
#include "image/Picture.h"
#include "render/ImagePlacement.h"

namespace wendle {
namespace {

constexpr Colour kBackground = 0x00123456;

// Each pixel tells where in the picture it comes from: red x, green y, blue 1.
Picture coordinatePicture(int w, int h) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) pixels.push_back(0xFF000001u | (x << 16) | (y << 8));
    }
    return Picture(w, h, std::move(pixels));
}

Colour from(int x, int y) {
    return rgb(std::uint8_t(x), std::uint8_t(y), 1);
}

struct Probe {
    int x, y;
    Colour expected;
};

struct Case {
    const char* name;
    int pictureWidth, pictureHeight;
    ImagePlacement placement;
    std::vector<Probe> probes;
};

TEST(ImagePlacement, PlacesThePictureByStyleOnA95By30Face) {
    const std::vector<Case> cases = {
        {"Free",
         10,
         10,
         {kFree, -3, 7, 0},
         {{0, 7, from(3, 0)}, {6, 16, from(9, 9)}, {7, 16, kBackground}, {0, 6, kBackground}}},
        {"Left puts the left edge at the border width",
         10,
         10,
         {kLeft, 0, 0, 3},
         {{3, 10, from(0, 0)}, {2, 10, kBackground}, {12, 19, from(9, 9)}}},
        {"Right puts the right edge at W - width - 1",
         10,
         10,
         {kRight, 0, 0, 3},
         {{91, 10, from(9, 0)}, {92, 10, kBackground}, {82, 19, from(0, 9)}}},
        {"Center",
         10,
         10,
         {kCenter, 0, 0, 0},
         {{42, 10, from(0, 0)}, {51, 19, from(9, 9)}, {41, 10, kBackground}}},
        {"Center of a larger picture truncates towards zero and clips",
         100,
         40,
         {kCenter, 0, 0, 0},
         // (95 - 100) div 2 = -2, (30 - 40) div 2 = -5
         {{0, 0, from(2, 5)}, {94, 29, from(96, 34)}}},
        {"Tile lays rows of copies from the origin",
         40,
         20,
         {kTile, 0, 0, 0},
         {{0, 0, from(0, 0)},
          {40, 0, from(0, 0)},
          {80, 0, from(0, 0)},
          {94, 19, from(14, 19)},
          {0, 20, from(0, 0)},
          {85, 25, from(5, 5)}}},
        {"Resize stretches over the whole face",
         2,
         2,
         {kResize, 50, 50, 9},
         {{0, 0, from(0, 0)}, {46, 14, from(0, 0)}, {47, 15, from(1, 1)}, {94, 29, from(1, 1)}}},
        {"another style draws nothing",
         10,
         10,
         {6, 0, 0, 0},
         {{42, 10, kBackground}, {0, 0, kBackground}}},
        {"Tile with an empty picture draws nothing", 0, 0, {kTile, 0, 0, 0}, {{0, 0, kBackground}}},
    };
    for (const Case& c : cases) {
        Raster raster(95, 30);
        raster.fill(kBackground);
        placeImage(raster, coordinatePicture(c.pictureWidth, c.pictureHeight), 95, 30, c.placement);
        for (const Probe& p : c.probes) {
            EXPECT_EQ(raster.colourAt(p.x, p.y), p.expected)
                << c.name << " at " << p.x << "," << p.y;
        }
    }
}

TEST(ImagePlacement, APartialRasterGetsTheSamePixelsAsTheWholeOne) {
    const Picture picture = coordinatePicture(7, 5);
    for (int style : {int(kTile), int(kResize), int(kCenter)}) {
        Raster whole(300, 100);
        whole.fill(kBackground);
        placeImage(whole, picture, 300, 100, ImagePlacement{style, 0, 0, 0});

        Raster part;
        part.setArea(Rect{123, 41, 181, 77});
        part.fill(kBackground);
        placeImage(part, picture, 300, 100, ImagePlacement{style, 0, 0, 0});
        for (int y = 41; y < 77; ++y) {
            for (int x = 123; x < 181; ++x) {
                ASSERT_EQ(part.colourAt(x, y), whole.colourAt(x, y))
                    << "style " << style << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace wendle
