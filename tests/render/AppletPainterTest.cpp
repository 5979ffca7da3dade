#include <gtest/gtest.h>

#include <functional>

#include "RasterPixels.h"
#include "RenderedImage.h"
#include "StartupApplet.h"
#include "model/Editing.h"
#include "render/AppletPainter.h"
#include "render/FaceDrawing.h"
#include "render/VelkFormCanvas.h"
#include "render/VelkPanelFace.h"
#include "render/VelkTextBoxDrawing.h"

namespace wendle {
namespace {

using testing::boundsOf;

constexpr Colour kWhite = 0x00FFFFFF, kYellow = 0x0000FFFF, kBlack = 0x00000000;

TEST(AppletPainter, StartupDocumentShowsFourFacesInTheSilverFrame) {
    TVelkForm applet;
    testing::buildStartupApplet(applet);
    const QImage image = testing::renderedImage(applet, 1);
    ASSERT_EQ(image.size(), QSize(105, 131));
    testing::expectStartupPixels(image, kWhite);
}

TEST(AppletPainter, StateAndSelectionChooseWhatTheFacesShow) {
    TVelkForm applet;
    testing::buildStartupApplet(applet);
    testing::expectStartupPixels(testing::renderedImage(applet, 2),
                                 kYellow);  // On MouseOver captions

    SelectOneItem(applet, applet.usedSlots()[1]);
    Raster target;
    ASSERT_TRUE(paintApplet(applet, target, 1));
    // The dotted mark in white (contrast of black) at column 2 and row 2 of button 2.
    EXPECT_EQ(target.colourAt(5 + 2, 35 + 2), kWhite);
    EXPECT_NE(target.colourAt(5 + 2, 35 + 3), kWhite);
    EXPECT_EQ(target.colourAt(5 + 2, 35 + 4), kWhite);
    EXPECT_NE(target.colourAt(5 + 2, 5 + 4), kWhite) << "button 1 is not selected";
}

TEST(AppletPainter, OlderButtonsLieInFrontOfNewerOnesAndTheTextBoxInFrontOfAll) {
    TVelkForm applet;
    testing::buildStartupApplet(applet);
    const int first = applet.usedSlots()[0], second = applet.usedSlots()[1];
    applet.statePanel(1, first)->setBkColor(0x000000FF);
    applet.statePanel(1, first)->setFade(false);
    applet.statePanel(1, second)->setBkColor(0x0000FF00);
    applet.statePanel(1, second)->setFade(false);
    applet.statePanel(1, second)->setTop(kToolBarStrip + 20);  // overlaps the first

    Raster target;
    ASSERT_TRUE(paintApplet(applet, target, 1));
    EXPECT_EQ(target.colourAt(8, 30), 0x000000FFu) << "the first button is in front";
    EXPECT_EQ(target.colourAt(8, 40), 0x0000FF00u);

    applet.setTextBoxVisible(1);
    applet.textBox().setBounds(0, kToolBarStrip + 25, 50, 20);
    ASSERT_TRUE(paintApplet(applet, target, 1));
    EXPECT_EQ(target.colourAt(0, 25), kHighlight3D) << "the text box's edge over the button";
    EXPECT_EQ(target.colourAt(8, 30), kBlack) << "the text box's inside";
}

TEST(AppletPainter, RepaintWithoutChangesGivesTheSamePixels) {
    TVelkForm applet;
    testing::buildStartupApplet(applet);
    applet.setTextBoxVisible(1);
    const QImage cold = testing::renderedImage(applet, 1);
    const QImage warm = testing::renderedImage(applet, 1);
    EXPECT_EQ(cold, warm);
}

// A drawing made once lets the faces' pixels go and, when no face shows the
// canvas through itself, draws onto the canvas itself. Either way it is
// the preview's picture, and the preview's next paint is whole again.
TEST(AppletPainter, ADrawingMadeOnceIsThePreviewsAndLeavesItsCachesWhole) {
    for (const bool seeThrough : {false, true}) {
        for (int state = 1; state <= kStateCount; ++state) {
            SCOPED_TRACE(std::string(seeThrough ? "a see-through face" : "opaque faces") +
                         ", state " + std::to_string(state));
            TVelkForm applet;
            testing::buildStartupApplet(applet);
            applet.setTextBoxVisible(1);
            if (seeThrough)
                applet.statePanel(state, applet.usedSlots().back())->setTransparentBk(true);
            Raster preview;
            ASSERT_TRUE(paintApplet(applet, preview, state));
            const QImage before = copyToImage(preview);

            EXPECT_EQ(testing::renderedImage(applet, state), before);
            Raster later;
            ASSERT_TRUE(paintApplet(applet, later, state));
            EXPECT_EQ(copyToImage(later), before);
            ASSERT_TRUE(paintApplet(applet, preview, state));
            EXPECT_EQ(copyToImage(preview), before) << "a repaint of the kept raster";
        }
    }
}

// The preview keeps each face as shown only; a face drawn for comparison
// with and without its caption (as the accessibility check draws it) is
// drawn again at the next paint, and the picture stays the same.
TEST(AppletPainter, AFaceKeptWithAndWithoutItsCaptionPaintsAsBefore) {
    TVelkForm applet;
    testing::buildStartupApplet(applet);
    Raster preview;
    ASSERT_TRUE(paintApplet(applet, preview, 1));
    const QImage before = copyToImage(preview);
    for (int slot : applet.usedSlots()) {
        TVelkPanel& face = *applet.statePanel(1, slot);
        EXPECT_TRUE(findFaceDrawing(face)->captioned.empty()) << "one raster per face";
        DrawBorder(face, paintCanvas(applet).canvasRaster);
        const FaceDrawing& drawing = *findFaceDrawing(face);
        ASSERT_TRUE(drawing.captionApart);
        EXPECT_NE(copyToImage(drawing.captioned), copyToImage(drawing.faceRaster));
    }
    ASSERT_TRUE(paintApplet(applet, preview, 1));
    EXPECT_EQ(copyToImage(preview), before);
    for (int slot : applet.usedSlots())
        EXPECT_TRUE(findFaceDrawing(*applet.statePanel(1, slot))->captioned.empty());
}

TEST(AppletPainter, AnAppletTooLargeToDrawIsRefused) {
    TVelkForm applet;
    applet.setClientSize(100000, 100000);
    Raster target;
    EXPECT_FALSE(paintApplet(applet, target, 1));
    EXPECT_TRUE(target.empty());
    EXPECT_TRUE(renderApplet(applet, 1).empty());

    applet.setClientSize(100, 20);  // smaller than the tool bar strip: no area
    EXPECT_TRUE(renderApplet(applet, 1).empty());
}

}  // namespace
}  // namespace wendle

namespace wendle {
namespace {

Rect onRaster(const TVelkPanel& face) {
    return Rect::fromSize(face.left(), face.top() - kToolBarStrip, face.width(), face.height());
}

// A change of one item, and what it touched: its old and new places.
struct Change {
    const char* what;
    std::function<Rect(TVelkForm&)> apply;  // returns the old place united with the new
    bool seeThrough = false;                // the second button shows the canvas
};

TEST(AppletPainter, RepaintingTheOldAndNewPlacesGivesTheWholePicture) {
    const auto moveFace = [](int ordinal, int dx, int dy, int dw, int dh) {
        return [=](TVelkForm& applet) {
            TVelkPanel& face = *applet.statePanel(1, applet.usedSlots()[std::size_t(ordinal)]);
            const Rect before = onRaster(face);
            SetSizeXY(applet, applet.usedSlots()[std::size_t(ordinal)], face.left() + dx,
                      face.top() + dy, face.width() + dw, face.height() + dh);
            const Rect after = onRaster(face);
            return Rect{std::min(before.left, after.left), std::min(before.top, after.top),
                        std::max(before.right, after.right), std::max(before.bottom, after.bottom)};
        };
    };
    const Change changes[] = {
        {"a button moved right and down", moveFace(0, 7, 3, 0, 0)},
        {"a button moved up over another", moveFace(2, -4, -20, 0, 0)},
        {"a button made wider and lower", moveFace(1, 0, 0, 9, -6)},
        {"a button moved partly out of the applet", moveFace(3, -20, 0, 0, 0)},
        {"a see-through button moved", moveFace(1, 5, 6, 0, 0), true},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        TVelkForm applet;
        testing::buildStartupApplet(applet);
        applet.setTextBoxVisible(1);
        if (change.seeThrough) {
            for (int state = 1; state <= kStateCount; ++state)
                applet.statePanel(state, applet.usedSlots()[1])->setTransparentBk(true);
        }
        Raster shown;
        ASSERT_TRUE(paintApplet(applet, shown, 1));

        const Rect dirty = change.apply(applet);
        ASSERT_TRUE(paintApplet(applet, shown, 1, dirty));
        Raster whole;
        ASSERT_TRUE(paintApplet(applet, whole, 1));
        ASSERT_EQ(shown.area(), whole.area());
        int differing = 0;
        for (int y = whole.area().top; y < whole.area().bottom; ++y)
            for (int x = whole.area().left; x < whole.area().right; ++x)
                differing += shown.pixel(x, y) != whole.pixel(x, y);
        EXPECT_EQ(differing, 0);
    }
}

TEST(AppletPainter, APartialPaintTouchesNothingOutsideItsRectangle) {
    TVelkForm applet;
    testing::buildStartupApplet(applet);
    Raster shown;
    ASSERT_TRUE(paintApplet(applet, shown, 1));
    shown.fill(0x00123456);  // what earlier paints left, as far as this paint knows
    const Rect dirty{10, 20, 40, 50};
    ASSERT_TRUE(paintApplet(applet, shown, 1, dirty));
    EXPECT_EQ(boundsOf(shown, 0x00123456, Rect{0, 0, 105, 20}), (Rect{0, 0, 105, 20}));
    const Rect painted = Rect{0, 0, 105, 131};
    int outsideChanged = 0, insideKept = 0;
    for (int y = painted.top; y < painted.bottom; ++y) {
        for (int x = painted.left; x < painted.right; ++x) {
            const bool kept = shown.colourAt(x, y) == 0x00123456;
            if (dirty.contains(x, y))
                insideKept += kept;
            else
                outsideChanged += !kept;
        }
    }
    EXPECT_EQ(outsideChanged, 0);
    EXPECT_EQ(insideKept, 0);
}

}  // namespace
}  // namespace wendle
