#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/NewDocument.h"
#include "model/AppletHTML.h"
#include "model/FontTables.h"

namespace wendle::document {
namespace {

TEST(NewDocument, IsAnEmptyUnmodifiedAppletOf105By150WithTheTextBoxParked) {
    auto applet = newDocumentApplet();
    EXPECT_EQ(applet->appletWidth(), 105);
    EXPECT_EQ(applet->appletHeight(), 150);
    EXPECT_FALSE(applet->modified());
    EXPECT_EQ(applet->buttonCount(), 0);
    EXPECT_EQ(applet->documentPath(), "");
    const TvelkTextBox& box = applet->textBox();
    EXPECT_EQ((Bounds{box.left, box.top, box.width, box.height}), (Bounds{-1, 150, 1, 1}));
    EXPECT_EQ(box.pointSize, *previewPointSize(12));

    EXPECT_EQ(buildAppletHTML(*applet),
              (std::vector<std::string>{
                  "<APPLET CODE=\"velkbutton.class\" WIDTH=105 HEIGHT=150>",
                  "<PARAM NAME=\"GENERATOR\" VALUE=\"CREATED WITH THE WENDLE WWW.WENDLE.EXAMPLE\">",
                  "<PARAM NAME=\"GENERAL\" "
                  "VALUE=\"0|5|000000| |1|0|0|1000|Loading...|000000|FFFFFF|000000\">",
                  "<PARAM NAME=\"BORDER\"  VALUE=\"4|C0C0C0|1|0|28\">",
                  "<PARAM NAME=\"TEXT BOX\" VALUE=\"-1|125|1|1|0|12|0|FFFFFF|1|0000FF|000000|1\">",
                  "</APPLET>",
              }));
}

TEST(StartupDocument, HasFourButtonsInAnAppletOf105By131) {
    AppletDocumentHost host;
    TVelkForm& applet = makeStartupDocument(host);
    EXPECT_EQ(&applet, &host.applet());
    EXPECT_EQ(applet.buttonCount(), 4);
    EXPECT_EQ(applet.appletWidth(), 105);
    EXPECT_EQ(applet.appletHeight(), 131);
    EXPECT_TRUE(applet.modified());
    EXPECT_EQ(applet.textBox().left, -1);
    const auto html = buildAppletHTML(applet);
    ASSERT_EQ(html.size(), 10u);
    EXPECT_EQ(html[5].substr(0, 160),
              std::string("<PARAM NAME=\"0\" VALUE=\"95|30|5|5| |2|12|0|FFFF80|000000|000000| | "
                          "|0|2|3|1|24|000000|000080| |2|0|0|Button 1 ~ "
                          "|2|14|0|2|0|0|0|FFFFFF|FFFF00| | |1|000080|0|0|0|0|0|")
                  .substr(0, 160));
}

struct RefillCase {
    int visible;
    int font, size, style;
    Bounds bounds;
    int typeface, pointSize, fontStyle;
};

TEST(GeneralRefill, ParksAHiddenTextBoxAndTakesItsFontFromTheSettings) {
    const RefillCase cases[] = {
        {0, 1, 24, 2, {-1, 150, 1, 1}, 1, *previewPointSize(24), 2},
        {1, 2, 72, 1, {5, 150, 95, 20}, 2, *previewPointSize(72), 1},
        // Values outside the tables leave the panel's font as it was.
        {1, 7, 13, 9, {5, 150, 95, 20}, 0, 8, 0},
    };
    for (const auto& c : cases) {
        TVelkForm applet;  // text box panel at 5, 150, 95 x 20, Times 8 plain
        applet.setTextBoxVisible(c.visible);
        applet.setTextBoxFont(c.font);
        applet.setTextBoxFontSize(c.size);
        applet.setTextBoxFontStyle(c.style);
        const bool modified = applet.modified();
        applyGeneralRefill(applet);
        const TvelkTextBox& box = applet.textBox();
        EXPECT_EQ((Bounds{box.left, box.top, box.width, box.height}), c.bounds) << c.size;
        EXPECT_EQ(box.typeface, c.typeface) << c.size;
        EXPECT_EQ(box.pointSize, c.pointSize) << c.size;
        EXPECT_EQ(box.fontStyle, c.fontStyle) << c.size;
        EXPECT_EQ(applet.modified(), modified);
    }
}

class CountingObserver : public AppletObserver {
  public:
    void buttonAdded(TVelkForm&, int) override { ++added; }
    int added = 0;
};

TEST(AppletDocumentHost, ReplacesTheAppletWholesaleAndRewiresItsObserver) {
    AppletDocumentHost host;
    CountingObserver observer;
    host.setObserver(&observer);
    host.applet().CreateMenuItem();
    TVelkForm& fresh = host.resetDocument();
    EXPECT_EQ(fresh.buttonCount(), 0);
    fresh.CreateMenuItem();
    EXPECT_EQ(observer.added, 2);

    std::unique_ptr<TVelkForm> taken = host.takeApplet();
    EXPECT_EQ(taken->buttonCount(), 1);
    EXPECT_EQ(host.applet().buttonCount(), 0);
}

}  // namespace
}  // namespace wendle::document
