#include <gtest/gtest.h>

#include "RasterPixels.h"
#include "StartupApplet.h"
#include "model/Editing.h"
#include "render/AppletPainter.h"
#include "render/VelkTextBoxDrawing.h"

namespace wendle {
namespace {

using testing::boundsOf;

constexpr Colour kWhite = 0x00FFFFFF, kYellow = 0x0000FFFF, kBlack = 0x00000000;

TEST(AppletPainter, StartupDocumentShowsFourFacesInTheSilverFrame) {
    TVelkForm applet;
    testing::buildStartupApplet(applet);
    const QImage image = renderApplet(applet, 1);
    ASSERT_EQ(image.size(), QSize(105, 131));
    testing::expectStartupPixels(image, kWhite);
}

TEST(AppletPainter, StateAndSelectionChooseWhatTheFacesShow) {
    TVelkForm applet;
    testing::buildStartupApplet(applet);
    testing::expectStartupPixels(renderApplet(applet, 2), kYellow);  // On MouseOver captions

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
    const QImage cold = renderApplet(applet, 1);
    const QImage warm = renderApplet(applet, 1);
    EXPECT_EQ(cold, warm);
}

TEST(AppletPainter, AnAppletTooLargeToDrawIsRefused) {
    TVelkForm applet;
    applet.setClientSize(100000, 100000);
    Raster target;
    EXPECT_FALSE(paintApplet(applet, target, 1));
    EXPECT_TRUE(target.empty());
    EXPECT_TRUE(renderApplet(applet, 1).isNull());

    applet.setClientSize(100, 20);  // smaller than the tool bar strip: no area
    EXPECT_TRUE(renderApplet(applet, 1).isNull());
}

}  // namespace
}  // namespace wendle
