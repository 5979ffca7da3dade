#include <gtest/gtest.h>

#include <functional>

#include "RasterPixels.h"
#include "image/Picture.h"
#include "model/VelkForm.h"
#include "render/FaceDrawing.h"
#include "render/VelkPanelFace.h"

namespace wendle {
namespace {

using testing::boundsOf;
using testing::pixelGrid;

constexpr Colour kRed = 0x000000FF, kGreen = 0x0000FF00, kWhite = 0x00FFFFFF;

// A face without caption, so that every pixel is the raster's own.
TVelkPanel bareFace(int w = 95, int h = 30) {
    TVelkPanel face(0, 1);
    face.setCaption("");
    face.setBounds(0, kToolBarStrip, w, h);
    return face;
}

const Raster& rasterOf(const TVelkPanel& face) {
    return findFaceDrawing(face)->faceRaster;
}

TEST(Face, NewFaceIsTheNavyGradientInsideALoweredBump) {
    TVelkPanel face = bareFace();
    DrawBorder(face, Raster{});
    EXPECT_FALSE(face.modified());
    const Raster& raster = rasterOf(face);
    ASSERT_EQ(raster.area(), (Rect{0, 0, 95, 30}));
    for (int y = 2; y <= 27; ++y) {
        EXPECT_EQ(raster.colourAt(2, y), 0x00030000u) << y;
        EXPECT_EQ(raster.colourAt(92, y), 0x00810000u) << y;
    }
    EXPECT_EQ(raster.colourAt(0, 0), 0x00500000u);
    EXPECT_EQ(raster.colourAt(93, 28), 0x00981818u);
}

TEST(Face, BackgroundIsTheCanvasTheGradientOrTheColour) {
    // A canvas whose every pixel says where it is.
    Raster canvas(200, 100);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x)
            canvas.setPixel(x, y, rgb(std::uint8_t(x), std::uint8_t(y), 7));
    }
    const Picture picture(1, 1, {0xFFFFFFFF});

    TVelkPanel face = bareFace(6, 4);
    face.setBounds(30, 40, 6, 4);  // canvas position (30, 15)
    face.setBorderWidth(0);
    face.setBkColor(kRed);
    faceDrawing(face).picture = std::make_unique<Picture>(picture);
    face.setImageStyle(0);

    face.setTransparentBk(true);
    DrawBorder(face, canvas);
    EXPECT_EQ(rasterOf(face).colourAt(0, 0), rgb(30, 15, 7)) << "the canvas, no picture";
    EXPECT_EQ(rasterOf(face).colourAt(5, 3), rgb(35, 18, 7));

    face.setTransparentBk(false);
    face.setFade(false);
    DrawBorder(face, canvas);
    EXPECT_EQ(rasterOf(face).colourAt(0, 0), kWhite) << "the picture at (0, 0)";
    EXPECT_EQ(rasterOf(face).colourAt(5, 3), kRed);
}

TEST(Face, TransparentFaceStillGetsItsBorderAndHighlight) {
    Raster canvas(100, 100);
    canvas.fill(kGreen);
    TVelkPanel face = bareFace(5, 4);
    face.setTransparentBk(true);
    face.setBorderStyle(2);
    face.setRaised(true);
    face.setBorderWidth(1);
    face.setBorderColor(0x00808080);
    DrawBorder(face, canvas);
    EXPECT_EQ(pixelGrid(rasterOf(face), {{kGreen, 'g'}, {0x00C6C6C6, 'L'}, {0x003A3A3A, 'D'}}),
              "LLLLD|LgggD|LgggD|DDDDD|");

    face.setShowHighlight(true);
    face.setHighlightColor(kRed);
    DrawBorder(face, canvas);
    EXPECT_EQ(pixelGrid(rasterOf(face), {{kGreen, 'g'}, {kRed, 'h'}}), "hhhhh|hgggh|hgggh|hhhhh|");
}

TEST(Face, SelectionMarkIsADottedOutlineInTheContrastColour) {
    // Columns 2 and W - 3, rows 2 and H - 3, every other pixel once round.
    TVelkPanel face = bareFace(9, 6);
    face.setFade(false);
    face.setBorderWidth(0);
    face.setBkColor(0x00C0C0C0);  // light: the mark is black
    face.setSelected(true);
    Raster target(100, 100);
    paintFace(face, Raster{}, 0, target);
    EXPECT_EQ(pixelGrid(rasterOf(face), {{0x00000000, '#'}}),
              ".........|"
              ".........|"
              "..#.#.#..|"
              "...#.#...|"
              ".........|"
              ".........|");

    // The selection setter leaves the modified flag alone; the mark still goes.
    face.setSelected(false);
    ASSERT_FALSE(face.modified());
    paintFace(face, Raster{}, 0, target);
    EXPECT_EQ(boundsOf(rasterOf(face), 0x00000000, Rect{0, 0, 9, 6}), Rect{});
}

TEST(Face, CacheIsRedrawnOnlyWhenStale) {
    Raster canvas(300, 175);
    Raster target(300, 175);
    TVelkPanel face = bareFace();
    face.setBounds(10, 35, 95, 30);
    paintFace(face, canvas, 1, target);
    ASSERT_FALSE(face.modified());

    // A pixel scribbled into the cache survives every paint that may copy it.
    const auto scribble = [&] { faceDrawing(face).faceRaster.setPixel(50, 15, kGreen); };
    const auto survived = [&] {
        paintFace(face, canvas, 1, target);
        return target.colourAt(face.left() + 50, face.top() - kToolBarStrip + 15) == kGreen;
    };
    struct Step {
        const char* name;
        std::function<void()> change;
        bool redrawn;
    };
    const Step steps[] = {
        {"nothing changed", [] {}, false},
        {"moved, opaque", [&] { face.setLeft(20); }, false},
        {"a setter that changes nothing visible", [&] { face.setLink("x.html"); }, false},
        {"modified", [&] { face.setModified(true); }, true},
        {"a look setter", [&] { face.setBorderColor(0x00808080); }, true},
        {"resized", [&] { face.setWidth(96); }, true},
        {"caption text (its setter does not flag)", [&] { face.setCaption("Hi"); }, true},
        {"selection (its setter does not flag)", [&] { face.setSelected(true); }, true},
    };
    for (const Step& step : steps) {
        scribble();
        step.change();
        EXPECT_EQ(!survived(), step.redrawn) << step.name;
    }
}

TEST(Face, TransparentFaceFollowsTheCanvasAndItsPlace) {
    Raster canvas(300, 175);
    canvas.fill(kRed);
    Raster target(300, 175);
    TVelkPanel face = bareFace();
    face.setTransparentBk(true);
    face.setBorderWidth(0);
    paintFace(face, canvas, 1, target);
    EXPECT_EQ(target.colourAt(40, 10), kRed);

    canvas.fill(kGreen);
    paintFace(face, canvas, 1, target);
    EXPECT_EQ(target.colourAt(40, 10), kRed) << "same canvas generation: cached";
    paintFace(face, canvas, 2, target);
    EXPECT_EQ(target.colourAt(40, 10), kGreen) << "the canvas was redrawn";

    canvas.setPixel(41, 11, kWhite);
    face.setLeft(1);
    face.setTop(kToolBarStrip + 1);
    paintFace(face, canvas, 2, target);
    EXPECT_EQ(target.colourAt(41, 11), kWhite) << "moved: shows what now lies beneath";
}

TEST(Face, OnlyThePartInViewIsDrawnAndKept) {
    Raster canvas(300, 175);
    // A face far larger than the applet, hanging off its left edge.
    TVelkPanel huge = bareFace();
    huge.setBounds(-5000, kToolBarStrip - 20, 10000, 10000);
    Raster target(300, 175);
    paintFace(huge, canvas, 1, target);
    EXPECT_EQ(rasterOf(huge).area(), (Rect{5000, 20, 5300, 195}));

    // Pixels of the part equal those of the whole face.
    TVelkPanel face = bareFace();
    face.setBounds(250, kToolBarStrip + 160, 95, 30);
    face.setCaption("Wide caption");
    paintFace(face, canvas, 1, target);
    EXPECT_EQ(rasterOf(face).area(), (Rect{0, 0, 50, 15}));
    TVelkPanel whole = bareFace();
    whole.setCaption("Wide caption");
    Raster wholeTarget(95, 30);
    paintFace(whole, canvas, 1, wholeTarget);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 50; ++x) {
            ASSERT_EQ(target.colourAt(250 + x, 160 + y), wholeTarget.colourAt(x, y))
                << x << "," << y;
        }
    }

    // A face out of sight gets no raster.
    TVelkPanel away = bareFace();
    away.setBounds(400, 400, 95, 30);
    paintFace(away, canvas, 1, target);
    EXPECT_EQ(findFaceDrawing(away), nullptr);
}

}  // namespace
}  // namespace wendle
