#include <gtest/gtest.h>

#include <QFontMetrics>
#include <functional>

#include "RasterPixels.h"
#include "image/Picture.h"
#include "render/AppletPainter.h"
#include "render/CanvasDrawing.h"
#include "render/Typeface.h"
#include "render/VelkFormCanvas.h"
#include "render/VelkTextBoxDrawing.h"
#include "render/qt/QtText.h"

namespace wendle {
namespace {

using testing::boundsOf;
using testing::pixelGrid;

constexpr Colour kBlack = 0x00000000, kWhite = 0x00FFFFFF, kRed = 0x000000FF;

const Raster& canvasOf(TVelkForm& applet) {
    return paintCanvas(applet).canvasRaster;
}

TEST(Canvas, GridDotsOnA300By125ClientArea) {
    struct Case {
        const char* name;
        Colour background;
        int gridX, gridY;
        Colour dot;
        bool dots;
    };
    const Case cases[] = {
        {"10 x 10 on white: black dots", kWhite, 10, 10, kBlack, true},
        {"10 x 10 on black: white dots", kBlack, 10, 10, kWhite, true},
        {"gridY 0: none", kWhite, 10, 0, kBlack, false},
        {"gridX 0: none", kWhite, 0, 10, kBlack, false},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        applet.setClientSize(300, 125);
        applet.setBorderWidth(0);
        applet.setBkColor(c.background);
        applet.setGrid(true);
        applet.setGridX(c.gridX);
        applet.setGridY(c.gridY);
        const Raster& canvas = canvasOf(applet);
        ASSERT_EQ(canvas.area(), (Rect{0, 0, 300, 100})) << c.name;
        int wrong = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 300; ++x) {
                const bool dot = c.dots && x % 10 == 0 && y % 10 == 0;
                wrong += canvas.colourAt(x, y) != (dot ? c.dot : c.background);
            }
        }
        EXPECT_EQ(wrong, 0) << c.name;
    }
}

TEST(Canvas, NewAppletIsAFlatBackgroundInARaisedSilverFrame) {
    TVelkForm applet;
    const Raster& canvas = canvasOf(applet);
    ASSERT_EQ(canvas.area(), (Rect{0, 0, 300, 175}));
    const Colour light = 0x00FFFFFF, dark = 0x007A7A7A, silver = 0x00C0C0C0;
    struct Probe {
        int x, y;
        Colour colour;
    };
    const Probe probes[] = {{0, 0, light},     {299, 0, light},  {0, 100, light},
                            {299, 174, dark},  {299, 50, dark},  {150, 174, dark},
                            {2, 50, silver},   {4, 50, dark},    {5, 50, kBlack},
                            {150, 87, kBlack}, {295, 50, light}, {150, 170, light}};
    for (const Probe& p : probes) {
        EXPECT_EQ(canvas.colourAt(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

TEST(Canvas, GradientAndPictureFollowTheFaceRules) {
    TVelkForm applet;
    applet.setClientSize(100, 65);
    applet.setBdrStyle(0);
    applet.setFade(true);
    applet.setBkColor(0);
    applet.setFadeColor(0x00FF0000);
    canvasDrawing(applet).picture =
        std::make_unique<Picture>(2, 2, std::vector<std::uint32_t>(4, 0xFFFF0000));  // red
    applet.setImageStyle(1);  // Center: ((100 - 2) div 2, (40 - 2) div 2)
    const Raster& canvas = canvasOf(applet);
    EXPECT_EQ(canvas.colourAt(49, 19), kRed);
    EXPECT_EQ(canvas.colourAt(50, 20), kRed);
    EXPECT_EQ(canvas.colourAt(51, 20), 0x008D0000u) << "column 51: 255 / 92 x 51, rounded";
    EXPECT_EQ(canvas.colourAt(3, 0), 0x00000000u) << "outside the band, inset 4";
}

TEST(Canvas, RedrawnOnlyWhenModifTheSizeOrThePictureChanged) {
    TVelkForm applet;
    canvasOf(applet);
    EXPECT_FALSE(applet.modif());
    struct Step {
        const char* name;
        std::function<void()> change;
        bool redrawn;
    };
    const Step steps[] = {
        {"nothing", [] {}, false},
        {"a setting outside the canvas", [&] { applet.setLoadText("Wait"); }, false},
        {"modif", [&] { applet.setBkColor(0x00101010); }, true},
        {"client size", [&] { applet.setClientSize(301, 200); }, true},
        {"a new picture", [&] { canvasDrawing(applet).pictureChanged = true; }, true},
    };
    for (const Step& step : steps) {
        canvasDrawing(applet).canvasRaster.setPixel(100, 100, kRed);
        step.change();
        EXPECT_EQ(canvasOf(applet).colourAt(100, 100) != kRed, step.redrawn) << step.name;
        EXPECT_FALSE(applet.modif()) << step.name;
    }
}

TEST(TextBox, RaisedEdgeFillAndCentredCaption) {
    TVelkForm applet;
    applet.setTextBoxBkColor(0x00400000);
    applet.setTextBoxTextColor(kRed);
    Raster box(95, 20);
    drawTextBox(applet, box);
    const Colour hi = kHighlight3D, sh = kShadow3D, in = 0x00400000;
    struct Probe {
        int x, y;
        Colour colour;
    };
    const Probe probes[] = {{0, 0, hi},  {93, 0, hi},  {0, 18, hi},  {94, 0, sh},
                            {0, 19, sh}, {94, 19, sh}, {94, 10, sh}, {50, 19, sh},
                            {1, 1, in},  {93, 18, in}, {1, 10, in}};
    for (const Probe& p : probes) {
        EXPECT_EQ(box.colourAt(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
    // "Text Box" in Times New Roman at 12 (8 points), red, centred.
    const Rect text = boundsOf(box, kRed, box.area());
    const QFontMetrics metrics(previewFont("Times New Roman", 8, kRegular));
    const int top = (20 - metrics.height()) / 2;
    EXPECT_LE(std::abs(text.left + text.right - 95), 3);
    EXPECT_GE(text.top, top);
    EXPECT_LE(text.bottom, top + metrics.height());
    EXPECT_GE(text.width(), metrics.horizontalAdvance("Text Box") - 2);
}

TEST(TextBox, FontFollowsTheAppletSettingsAndTextStaysInsideTheEdge) {
    TVelkForm applet;
    applet.setTextBoxTextColor(kRed);
    auto textHeight = [&](int size) {
        applet.setTextBoxFontSize(size);
        Raster box(95, 20);
        drawTextBox(applet, box);
        return boundsOf(box, kRed, box.area()).height();
    };
    const int small = textHeight(12);
    EXPECT_EQ(textHeight(13), small) << "a size outside the table keeps the panel's 8 points";
    EXPECT_GT(textHeight(20), small);

    applet.setTextBoxFontSize(72);
    Raster box(95, 20);
    drawTextBox(applet, box);
    for (int x = 0; x < 95; ++x) {
        EXPECT_NE(box.colourAt(x, 0), kRed);
        EXPECT_NE(box.colourAt(x, 19), kRed);
    }
}

TEST(TextBox, PaintedAtItsPlaceOnlyWhenShown) {
    TVelkForm applet;
    applet.setClientSize(200, 200);
    applet.textBox().setBounds(10, 40, 50, 20);  // applet position (10, 15)
    Raster target;
    paintApplet(applet, target);
    EXPECT_EQ(target.colourAt(10, 15), kBlack) << "hidden";
    applet.setTextBoxVisible(1);
    paintApplet(applet, target);
    EXPECT_EQ(target.colourAt(10, 15), kHighlight3D);
    EXPECT_EQ(target.colourAt(59, 34), kShadow3D);
}

}  // namespace
}  // namespace wendle
