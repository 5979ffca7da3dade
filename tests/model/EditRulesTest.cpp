#include <gtest/gtest.h>

#include "model/AppletEdits.h"
#include "model/ButtonTransfer.h"
#include "model/Messages.h"
#include "model/PanelEdits.h"

namespace wendle {
namespace {

TEST(PanelRules, TransparencyAndPicturesExcludeEachOther) {
    PanelValues state;
    state.fade = true;
    setTransparentBackground(state, false);
    EXPECT_TRUE(state.fade);  // off leaves the gradient alone
    setTransparentBackground(state, true);
    EXPECT_FALSE(state.fade);
    EXPECT_TRUE(state.transparentBk);
    setStateImage(state, "a.gif", "/p/a.gif");
    EXPECT_FALSE(state.transparentBk);
    EXPECT_EQ(state.imagePath, "/p/a.gif");
}

TEST(PanelRules, BorderItemsAlternateRaisedAndLowered) {
    struct Case {
        int item, style;
        bool raised;
    } cases[] = {{0, 1, true}, {1, 1, false}, {4, 3, true}, {7, 4, false}};
    for (const Case& c : cases) {
        PanelValues state;
        setBorderItem(state, c.item);
        EXPECT_EQ(state.borderStyle, c.style) << c.item;
        EXPECT_EQ(state.raised, c.raised) << c.item;
    }
}

TEST(AppletRules, RenameKeepsANameWhenEmptied) {
    TVelkForm applet;
    applet.CreateMenuItem();
    struct Case {
        const char* name;
        bool renamed;
        const char* result;
    } cases[] = {{"Home", true, "Home"},
                 {"", false, "Home"},
                 {" \t", false, "Home"},
                 {"Home", false, "Home"},
                 {"News", true, "News"}};
    for (const Case& c : cases) {
        EXPECT_EQ(renameButton(applet, 0, c.name), c.renamed) << '"' << c.name << '"';
        EXPECT_EQ(applet.statePanel(1, 0)->itemName(), c.result);
    }
}

TEST(AppletRules, OnlyATextBoxMoveMovesItsRecord) {
    TVelkForm applet;
    applet.setTextBoxBounds({1, 2, 3, 4});
    placeTextBox(applet, {10, 60, 80, 22}, true);
    EXPECT_EQ(applet.textBox().width, 80);
    EXPECT_EQ(applet.textBoxBounds(), (Bounds{1, 2, 3, 4}));
    placeTextBox(applet, {12, 61, 80, 22}, false);
    EXPECT_EQ(applet.textBoxBounds(), (Bounds{12, 61, 80, 22}));
}

class Transfer : public ::testing::Test {
  protected:
    TVelkForm source;
    TVelkForm target;
    void SetUp() override {
        for (int i = 0; i < 3; ++i) source.CreateMenuItem();
        source.statePanel(1, 0)->setItemLink(2);
        source.statePanel(1, 2)->setItemLink(1);
        source.statePanel(3, 2)->setCaption("Third");
    }
};

TEST_F(Transfer, LinksBetweenCopiedButtonsFollowThemAndOthersAreDropped) {
    target.CreateMenuItem();
    const auto copied = copyButtons(source, {2, 0});
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_EQ(copied[0].states[0].itemLink, 1);   // 0 -> 2, the second copied
    EXPECT_EQ(copied[1].states[0].itemLink, -1);  // 2 -> 1, not copied

    const PasteResult pasted = pasteButtons(target, copied);
    ASSERT_TRUE(pasted.ok());
    EXPECT_EQ(pasted.created, (std::vector<int>{1, 2}));
    EXPECT_EQ(target.statePanel(1, 1)->itemLink(), 2);
    EXPECT_EQ(target.statePanel(3, 2)->caption(), "Third");
    // Pasted buttons get names of their own, as new buttons do.
    EXPECT_EQ(target.statePanel(1, 2)->itemName(), "Button 3");
    EXPECT_EQ(target.buttonCount(), 3);
}

TEST_F(Transfer, PastedButtonsStepAwayFromButtonsTheyWouldCover) {
    target.setGridX(8);
    target.setGridY(6);
    const auto copied = copyButtons(source, {1});
    const int left = copied[0].states[0].left;
    const int top = copied[0].states[0].top;
    struct Expect {
        int left, top;
    } expected[] = {{left, top}, {left + 8, top + 6}, {left + 16, top + 12}};
    for (const Expect& e : expected) {
        const int slot = pasteButtons(target, copied).created.at(0);
        for (int state = 1; state <= 3; ++state) {
            EXPECT_EQ(target.statePanel(state, slot)->left(), e.left);
            EXPECT_EQ(target.statePanel(state, slot)->top(), e.top);
        }
    }
}

TEST_F(Transfer, InABarOneButtonHighPastedButtonsStepAlongIt) {
    target.setGridX(8);
    target.setGridY(6);
    const int slot = target.CreateMenuItem().slot;
    for (int state = 1; state <= 3; ++state) {
        target.statePanel(state, slot)->setLeft(4);
        target.statePanel(state, slot)->setTop(kToolBarStrip + 4);
    }
    const TVelkPanel& original = *target.statePanel(1, slot);
    target.setClientSize(300, kToolBarStrip + original.height() + 8);
    const auto copied = copyButtons(target, {slot});
    // Down and right would leave the canvas; right alone keeps it there.
    const int pasted = pasteButtons(target, copied).created.at(0);
    EXPECT_EQ(target.statePanel(1, pasted)->left(), 12);
    EXPECT_EQ(target.statePanel(1, pasted)->top(), kToolBarStrip + 4);
}

TEST_F(Transfer, AFullAppletRefusesThePasteWhole) {
    for (int i = 0; i < kMaxButtons - 1; ++i) target.CreateMenuItem();
    const PasteResult refused = pasteButtons(target, copyButtons(source, {0, 1}));
    EXPECT_EQ(refused.message, messages::kMaxButtons);
    EXPECT_TRUE(refused.created.empty());
    EXPECT_EQ(target.buttonCount(), kMaxButtons - 1);
    EXPECT_TRUE(pasteButtons(target, copyButtons(source, {0})).ok());
}

TEST_F(Transfer, ALookCarriesStylingButNotPlaceTextOrLinks) {
    TVelkPanel& from = *source.statePanel(2, 0);
    from.setBkColor(0x010203);
    from.setFontSize(20);
    from.setImageName("x.gif");
    from.setSoundName("s.wav");
    from.setBorderStyle(5);
    from.setLink("http://a.example/");
    from.setHintText("hint");
    from.setStatus("status");
    from.setCaption("Source");
    from.setLeft(77);
    const ButtonValues look = captureButton(source, 0);
    pasteLook(source, {1, 2}, look);
    for (int slot : {1, 2}) {
        const TVelkPanel& to = *source.statePanel(2, slot);
        EXPECT_EQ(to.bkColor(), 0x010203u);
        EXPECT_EQ(to.fontSize(), 20);
        EXPECT_EQ(to.imageName(), "x.gif");
        EXPECT_EQ(to.soundName(), "s.wav");
        EXPECT_EQ(to.borderStyle(), 5);
        EXPECT_EQ(to.link(), "");
        EXPECT_EQ(to.hintText(), "");
        EXPECT_EQ(to.status(), "");
        EXPECT_EQ(to.caption(), "Button " + std::to_string(slot + 1));
        EXPECT_NE(to.left(), 77);
    }
    EXPECT_EQ(source.statePanel(1, 2)->itemLink(), 1);
}

TEST(Nudge, MovesAllStatesOfOnlyTheGivenButtons) {
    TVelkForm applet;
    for (int i = 0; i < 3; ++i) applet.CreateMenuItem();
    const int left = applet.statePanel(1, 1)->left();
    const int top = applet.statePanel(1, 1)->top();
    nudgeButtons(applet, {1, 2}, 10, -1);
    for (int state = 1; state <= 3; ++state) {
        EXPECT_EQ(applet.statePanel(state, 1)->left(), left + 10);
        EXPECT_EQ(applet.statePanel(state, 1)->top(), top - 1);
    }
    EXPECT_EQ(applet.statePanel(1, 0)->left(), left);
}

}  // namespace
}  // namespace wendle
