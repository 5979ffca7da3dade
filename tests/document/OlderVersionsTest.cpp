#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/DocumentMessages.h"
#include "document/DocumentReader.h"
#include "model/FontTables.h"
#include "model/UpdatingControls.h"

namespace wendle::document {
namespace {

const std::string kData = WENDLE_TEST_DATA;

Bounds boundsOf(const TVelkPanel& panel) {
    return {panel.left(), panel.top(), panel.width(), panel.height()};
}

Bounds boundsOf(const TvelkTextBox& box) {
    return {box.left, box.top, box.width, box.height};
}

class Fixture : public ::testing::Test {
  protected:
    ReadResult read(const std::string& name) {
        ReadResult result = readDocument(kData + "/" + name, host_);
        EXPECT_TRUE(test::isConsistent(applet()));
        EXPECT_FALSE(updatingControls());
        return result;
    }
    TVelkForm& applet() { return host_.applet(); }
    TVelkPanel& panel(int state, int ordinal) {
        return *applet().statePanel(state, applet().usedSlots().at(std::size_t(ordinal)));
    }
    test::RecordingHost host_;
};

TEST_F(Fixture, Version45AddsTheToolBarStripToTheHeightAndEveryTop) {
    const ReadResult result = read("version45.wdf");
    ASSERT_EQ(result.outcome, ReadOutcome::Read);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(applet().clientWidth(), 105);
    EXPECT_EQ(applet().clientHeight(), 175);
    for (int state = 1; state <= 3; ++state) {
        EXPECT_EQ(boundsOf(panel(state, 0)), (Bounds{4, 35, 95, 30}));
        EXPECT_EQ(panel(state, 0).caption(), "Our\r\nShop");
    }
    EXPECT_EQ(applet().borderWidth(), 3);
    EXPECT_EQ(applet().bdrStyle(), 2);
    EXPECT_EQ(applet().bkColor(), 0x00800000u);
    EXPECT_FALSE(applet().raised());
    EXPECT_TRUE(applet().fade());
    EXPECT_EQ(panel(1, 0).itemName(), "Home");
    EXPECT_EQ(panel(1, 0).link(), "index.html");
    EXPECT_EQ(panel(1, 0).textBoxText(), "Welcome");
    EXPECT_EQ(panel(2, 0).fontColor(), 0x0000FFFFu);
    // No text box block: the new applet's hidden text box.
    EXPECT_EQ(applet().textBoxVisible(), 0);
    EXPECT_EQ(boundsOf(applet().textBox()), (Bounds{-1, 150, 1, 1}));
    EXPECT_EQ(applet().documentPath(), kData + "/version45.wdf");
}

TEST_F(Fixture, Version40HasSingleLineCaptionsAndNoHighlightOnTheFirstAndThirdState) {
    ASSERT_EQ(read("version40.wdf").outcome, ReadOutcome::Read);
    ASSERT_EQ(applet().buttonCount(), 2);
    for (int ordinal = 0; ordinal < 2; ++ordinal) {
        EXPECT_FALSE(panel(1, ordinal).showHighlight());
        EXPECT_TRUE(panel(2, ordinal).showHighlight());
        EXPECT_FALSE(panel(3, ordinal).showHighlight());
        EXPECT_EQ(panel(1, ordinal).caption(), "Button " + std::to_string(ordinal + 1));
        EXPECT_EQ(panel(1, ordinal).top(), 30 + 30 * ordinal);
    }
    EXPECT_EQ(panel(1, 1).itemName(), "Shop");
}

TEST_F(Fixture, Wendle2FileReadsLikeVersion50WithItsTextBox) {
    ASSERT_EQ(read("wendle2.wdf").outcome, ReadOutcome::Read);
    EXPECT_EQ(applet().clientHeight(), 175);
    EXPECT_EQ(panel(1, 0).top(), 30);
    EXPECT_EQ(applet().textBoxVisible(), 1);
    EXPECT_EQ(applet().textBoxBounds(), (Bounds{4, 60, 95, 26}));
    const TvelkTextBox& box = applet().textBox();
    EXPECT_EQ(boundsOf(box), (Bounds{4, 60, 95, 26}));
    EXPECT_EQ(applet().textBoxFont(), 2);
    EXPECT_EQ(applet().textBoxFontSize(), 18);
    EXPECT_EQ(box.typeface, 2);
    EXPECT_EQ(box.pointSize, *previewPointSize(18));
    EXPECT_EQ(box.fontStyle, 1);
    EXPECT_EQ(applet().textBoxBkColor(), 0x00800000u);
    EXPECT_EQ(applet().textBoxTextColor(), 0x0000FFFFu);
}

TEST_F(Fixture, AReadTellsTheHostInTheOrderOfTheProgram) {
    ASSERT_EQ(read("wendle2.wdf").outcome, ReadOutcome::Read);
    const std::string folder = kData + "/";
    EXPECT_EQ(host_.calls, (std::vector<std::string>{
                               "addRecentDocument " + kData + "/wendle2.wdf",
                               "deleteAppletCopies",
                               "resetDocument",
                               "loadAppletImage " + folder,
                               "setButtonListCaption 0 Home",
                               "loadStateImage 1 " + folder,
                               "loadStateImage 2 " + folder,
                               "loadStateImage 3 " + folder,
                               "updateGeneralWindow",
                           }));
}

TEST_F(Fixture, OlderLayoutIsImportedAfterTheWarning) {
    const ReadResult result = read("older-layout.wdf");
    ASSERT_EQ(result.outcome, ReadOutcome::Imported);
    EXPECT_TRUE(result.differentVersion);
    EXPECT_EQ(result.messages, std::vector<std::string>{messages::kDifferentVersion});
    EXPECT_EQ(host_.messages(), std::vector<std::string>{messages::kDifferentVersion});

    TVelkForm& a = applet();
    EXPECT_EQ(a.clientWidth(), 140);
    EXPECT_EQ(a.clientHeight(), 190);
    EXPECT_EQ(a.borderWidth(), 3);
    EXPECT_EQ(a.borderShading(), 40);
    EXPECT_FALSE(a.raised());
    EXPECT_EQ(a.bdrStyle(), 3);
    EXPECT_EQ(a.borderColor(), 0x00336699u);
    EXPECT_EQ(a.imageX(), 7);
    EXPECT_EQ(a.imageY(), 8);
    EXPECT_EQ(a.imageName(), "bar.jpg");
    EXPECT_EQ(a.imagePath(), "C:\\old\\bar.jpg");
    EXPECT_EQ(a.imageStyle(), 5);
    EXPECT_EQ(a.bkColor(), 0x00808000u);
    EXPECT_EQ(a.altHTML(), "<P>Get Java</P>");
    EXPECT_EQ(a.textBoxVisible(), 0);
    EXPECT_EQ(a.textBox().left, -1);
    EXPECT_EQ(a.documentPath(), kData + "/older-layout.wdf");
    ASSERT_EQ(a.buttonCount(), 2);

    // Geometry goes to the first state only; the others stay where the
    // button was created (one pixel inside the border, then below).
    EXPECT_EQ(boundsOf(panel(1, 0)), (Bounds{6, 31, 90, 28}));
    EXPECT_EQ(boundsOf(panel(2, 0)), (Bounds{4, 29, 95, 30}));
    EXPECT_EQ(boundsOf(panel(1, 1)), (Bounds{6, 70, 90, 28}));
    EXPECT_EQ(boundsOf(panel(3, 1)), (Bounds{4, 59, 95, 30}));

    const TVelkPanel& first = panel(1, 0);
    EXPECT_EQ(first.itemName(), "Home");
    EXPECT_EQ(first.imageStyle(), 2);
    EXPECT_EQ(first.borderShading(), 12);
    EXPECT_EQ(first.imageX(), 3);
    EXPECT_EQ(first.imageY(), 4);
    EXPECT_EQ(first.borderWidth(), 5);
    EXPECT_EQ(first.bkColor(), 0x00000080u);
    EXPECT_EQ(first.borderColor(), 0x0000FF00u);
    EXPECT_FALSE(first.transparentBk());
    EXPECT_EQ(first.link(), "page.html");
    EXPECT_EQ(first.soundName(), "C:\\Sounds\\ding.wav");
    EXPECT_EQ(first.soundPath(), "D:\\ding.wav");
    EXPECT_EQ(first.frame(), "main");
    EXPECT_EQ(first.status(), "Status");
    EXPECT_EQ(first.imagePath(), "C:\\Pics\\b.gif");
    EXPECT_EQ(first.imageName(), "b.gif");
    EXPECT_EQ(first.caption(), "Our Shop");
    EXPECT_EQ(first.fontColor(), 0x00FF0000u);
    EXPECT_EQ(first.fontSize(), 16);
    EXPECT_EQ(first.fontName(), 1);
    EXPECT_EQ(first.fontStyle(), 1);

    EXPECT_EQ(panel(2, 0).imageStyle(), 1);
    EXPECT_TRUE(panel(2, 0).transparentBk());
    EXPECT_EQ(panel(2, 0).caption(), "Over");
    EXPECT_EQ(panel(3, 0).imageStyle(), 5);
    EXPECT_EQ(panel(3, 0).caption(), "");
    EXPECT_EQ(panel(3, 1).imageStyle(), 3);
    for (int ordinal = 0; ordinal < 2; ++ordinal) {
        for (int state = 1; state <= 3; ++state) {
            EXPECT_FALSE(panel(state, ordinal).fade());
            EXPECT_FALSE(panel(state, ordinal).showHighlight());
        }
    }
    EXPECT_NE(std::find(host_.calls.begin(), host_.calls.end(), "setButtonListCaption 0 Home"),
              host_.calls.end());
}

TEST_F(Fixture, OlderLayoutWithoutButtons) {
    ASSERT_EQ(read("older-layout-empty.wdf").outcome, ReadOutcome::Imported);
    EXPECT_EQ(applet().buttonCount(), 0);
    EXPECT_EQ(applet().altHTML(), "only line");
}

TEST_F(Fixture, AMissingFileDoesNothingAtAll) {
    const std::size_t before = host_.calls.size();
    TVelkForm* previous = &applet();
    EXPECT_EQ(read("no such file.wdf").outcome, ReadOutcome::Missing);
    EXPECT_EQ(host_.calls.size(), before);
    EXPECT_EQ(&applet(), previous);
    EXPECT_EQ(read("").outcome, ReadOutcome::Missing);
}

}  // namespace
}  // namespace wendle::document
