#include <gtest/gtest.h>

#include "model/Messages.h"
#include "model/UpdatingControls.h"
#include "model/VelkForm.h"

namespace wendle {
namespace {

std::vector<int> createButtons(TVelkForm& applet, int count) {
    std::vector<int> slots;
    for (int i = 0; i < count; ++i) slots.push_back(applet.CreateMenuItem().slot);
    return slots;
}

TEST(NewApplet, HasTheDefaultsOfANewDocument) {
    TVelkForm applet;
    EXPECT_EQ(applet.appletWidth(), 300);
    EXPECT_EQ(applet.appletHeight(), 175);
    EXPECT_EQ(applet.bkColor(), 0x00000000u);
    EXPECT_EQ(applet.borderColor(), 0x00C0C0C0u);
    EXPECT_TRUE(applet.raised());
    EXPECT_EQ(applet.bdrStyle(), 1);
    EXPECT_EQ(applet.borderWidth(), 4);
    EXPECT_EQ(applet.borderShading(), 28);
    EXPECT_FALSE(applet.fade());
    EXPECT_EQ(applet.fadeColor(), 0x00400000u);
    EXPECT_EQ(applet.imageStyle(), 1);
    EXPECT_EQ(applet.loadText(), "Loading...");
    EXPECT_EQ(applet.loadFontColor(), 0x00FFFFFFu);
    EXPECT_EQ(applet.loadBkColor(), 0x00000000u);
    EXPECT_EQ(applet.buttonCount(), 0);
    EXPECT_EQ(applet.textBoxVisible(), 0);
    EXPECT_TRUE(applet.modified());
    EXPECT_FALSE(applet.modif());
    const TvelkTextBox& box = applet.textBox();
    EXPECT_EQ((Bounds{box.left, box.top, box.width, box.height}), (Bounds{5, 150, 95, 20}));
    EXPECT_EQ(box.caption, "Text Box");
}

TEST(CreateMenuItem, FirstButtonOfANewApplet) {
    TVelkForm applet;
    const auto result = applet.CreateMenuItem();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.slot, 0);
    const TVelkPanel& first = *applet.statePanel(1, 0);
    EXPECT_EQ(first.left(), 5);
    EXPECT_EQ(first.top(), 30);
    EXPECT_EQ(first.width(), 95);
    EXPECT_EQ(first.height(), 30);
    EXPECT_EQ(first.caption(), "Button 1");
    EXPECT_EQ(first.itemName(), "Button 1");
    EXPECT_EQ(first.fontName(), 2);
    EXPECT_EQ(first.fontSize(), 14);
    EXPECT_EQ(first.fontAlignment(), 2);
    EXPECT_EQ(first.fontColor(), 0x00FFFFFFu);
    EXPECT_EQ(first.bkColor(), 0x00000000u);
    EXPECT_TRUE(first.fade());
    EXPECT_EQ(first.fadeColor(), 0x00800000u);
    EXPECT_EQ(first.borderStyle(), 3);
    EXPECT_FALSE(first.raised());
    EXPECT_EQ(first.borderWidth(), 2);
    EXPECT_EQ(first.borderShading(), 24);
    EXPECT_EQ(applet.statePanel(2, 0)->fontColor(), 0x0000FFFFu);
    EXPECT_EQ(applet.statePanel(3, 0)->fontColor(), 0x00FFFFFFu);
    const Colour highlights[] = {0x0000FFFF, 0x000000FF, 0x00008000};
    for (int state = 1; state <= 3; ++state) {
        const TVelkPanel& panel = *applet.statePanel(state, 0);
        EXPECT_EQ(panel.highlightColor(), highlights[state - 1]) << "state " << state;
        EXPECT_FALSE(panel.showHighlight());
        EXPECT_EQ(panel.state(), state);
        EXPECT_EQ(panel.tag(), 0);
        EXPECT_EQ(panel.visible(), state == 1);
        EXPECT_TRUE(panel.modified());
    }
    EXPECT_EQ(applet.statePanel(2, 0)->itemName(), "");
    EXPECT_EQ(applet.usedSlots(), std::vector<int>{0});
    EXPECT_EQ(applet.buttonCount(), 1);
}

TEST(CreateMenuItem, StacksNewButtonsBelowTheLowest) {
    TVelkForm applet;
    createButtons(applet, 2);
    EXPECT_EQ(applet.statePanel(1, 1)->top() - kToolBarStrip, 35);

    // Buttons at applet y 5 (height 30) and y 100 (height 20): the next one
    // goes to y 120, whatever the creation order.
    TVelkForm other;
    createButtons(other, 2);
    other.statePanel(1, 0)->setBounds(5, 100 + kToolBarStrip, 95, 20);
    other.statePanel(1, 1)->setBounds(5, 5 + kToolBarStrip, 95, 30);
    const int slot = other.CreateMenuItem().slot;
    EXPECT_EQ(other.statePanel(1, slot)->top() - kToolBarStrip, 120);
}

TEST(CreateMenuItem, PlacesOnePixelInsideABorderOfAnyWidth) {
    TVelkForm applet;
    applet.setBorderWidth(10);
    const int slot = applet.CreateMenuItem().slot;
    EXPECT_EQ(applet.statePanel(1, slot)->left(), 11);
    EXPECT_EQ(applet.statePanel(1, slot)->top(), 36);
}

TEST(CreateMenuItem, RefusesTheHundredthButton) {
    TVelkForm applet;
    createButtons(applet, 98);
    EXPECT_TRUE(applet.CreateMenuItem().ok());  // the 99th
    applet.setModified(false);
    const auto refused = applet.CreateMenuItem();
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.message, messages::kMaxButtons);
    EXPECT_EQ(refused.message, "Sorry, you have reached the maximum number of buttons allowed.");
    EXPECT_EQ(applet.buttonCount(), 99);
    EXPECT_EQ(applet.usedSlots().size(), 99u);
    EXPECT_FALSE(applet.modified());
}

TEST(CreateMenuItem, ReusesTheLowestFreeSlotAndAppendsIt) {
    TVelkForm applet;
    createButtons(applet, 3);
    applet.deleteButton(0);
    const auto result = applet.CreateMenuItem();
    EXPECT_EQ(result.slot, 0);
    EXPECT_EQ(applet.statePanel(1, 0)->caption(), "Button 1");
    EXPECT_EQ(applet.usedSlots(), (std::vector<int>{1, 2, 0}));
}

TEST(CreateMenuItem, ShowsTheFirstActiveState) {
    struct Case {
        std::array<bool, 3> active;
        int shown;  // 0: none
    } cases[] = {{{false, true, false}, 2},
                 {{false, false, true}, 3},
                 {{true, true, true}, 1},
                 {{false, false, false}, 0}};
    for (const auto& c : cases) {
        TVelkForm applet;
        applet.setActiveStates(c.active);
        const int slot = applet.CreateMenuItem().slot;
        for (int state = 1; state <= 3; ++state) {
            EXPECT_EQ(applet.statePanel(state, slot)->visible(), state == c.shown)
                << "shown " << c.shown << " state " << state;
        }
    }
}

TEST(CreateMenuItem, SendsNewButtonsBehindOlderOnes) {
    TVelkForm applet;
    createButtons(applet, 3);
    EXPECT_EQ(applet.stackingOrder(), (std::vector<int>{2, 1, 0}));
}

struct RecordingObserver : AppletObserver {
    std::vector<std::string> events;
    void buttonAdded(TVelkForm& applet, int slot) override {
        events.push_back("added " + std::to_string(slot) + " " +
                         applet.statePanel(1, slot)->itemName() +
                         (updatingControls() ? " (updating)" : ""));
    }
    void buttonRemoved(TVelkForm&, int slot, int ordinal) override {
        events.push_back("removed " + std::to_string(slot) + " at " + std::to_string(ordinal));
    }
};

TEST(ButtonObserver, FollowsCreationAndDeletion) {
    TVelkForm applet;
    RecordingObserver observer;
    applet.setObserver(&observer);
    createButtons(applet, 2);
    applet.deleteButton(0);
    EXPECT_FALSE(updatingControls());
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"added 0 Button 1 (updating)",
                                        "added 1 Button 2 (updating)", "removed 0 at 0"}));
}

TEST(DeleteButton, RemovesEveryTraceAndUnlinks) {
    TVelkForm applet;
    createButtons(applet, 3);
    applet.statePanel(1, 0)->setItemLink(1);
    applet.statePanel(1, 2)->setItemLink(1);
    applet.statePanel(2, 2)->setItemLink(1);  // only state 1 is unlinked
    applet.addToSelection(1);
    applet.addToSelection(2);
    applet.deleteButton(1);
    for (int state = 1; state <= 3; ++state) EXPECT_EQ(applet.statePanel(state, 1), nullptr);
    EXPECT_EQ(applet.usedSlots(), (std::vector<int>{0, 2}));
    EXPECT_EQ(applet.selectedSlots(), std::vector<int>{2});
    EXPECT_EQ(applet.buttonCount(), 2);
    EXPECT_EQ(applet.statePanel(1, 0)->itemLink(), -1);
    EXPECT_EQ(applet.statePanel(1, 2)->itemLink(), -1);
    EXPECT_EQ(applet.statePanel(2, 2)->itemLink(), 1);

    applet.deleteButton(1);  // no longer there: nothing happens
    EXPECT_EQ(applet.buttonCount(), 2);
}

TEST(Setters, MarkExactlyTheirFlags) {
    TVelkForm applet;
    struct Case {
        const char* name;
        void (*apply)(TVelkForm&);
        bool modified;
        bool modif;
    } cases[] = {
        {"bkColor", [](TVelkForm& a) { a.setBkColor(1); }, true, true},
        {"imageName", [](TVelkForm& a) { a.setImageName("x.gif"); }, true, true},
        {"imagePath", [](TVelkForm& a) { a.setImagePath("/x.gif"); }, false, true},
        {"altHTML", [](TVelkForm& a) { a.setAltHTML("x"); }, false, false},
        {"loadText", [](TVelkForm& a) { a.setLoadText("x"); }, false, false},
        {"grid", [](TVelkForm& a) { a.setGrid(true); }, false, false},
        {"textBoxFont", [](TVelkForm& a) { a.setTextBoxFont(2); }, false, false},
    };
    for (const auto& c : cases) {
        applet.setModified(false);
        applet.setModif(false);
        c.apply(applet);
        EXPECT_EQ(applet.modified(), c.modified) << c.name;
        EXPECT_EQ(applet.modif(), c.modif) << c.name;
    }

    TVelkPanel panel(0, 1);
    struct PanelCase {
        const char* name;
        void (*apply)(TVelkPanel&);
        bool marks;
    } panelCases[] = {
        {"bkColor", [](TVelkPanel& p) { p.setBkColor(1); }, true},
        {"imageName", [](TVelkPanel& p) { p.setImageName("x"); }, false},
        {"imagePath", [](TVelkPanel& p) { p.setImagePath("x"); }, true},
        {"soundName", [](TVelkPanel& p) { p.setSoundName("x"); }, true},
        {"soundPath", [](TVelkPanel& p) { p.setSoundPath("x"); }, false},
        {"hintTextClr", [](TVelkPanel& p) { p.setHintTextClr(1); }, true},
        {"hintBkClr", [](TVelkPanel& p) { p.setHintBkClr(1); }, false},
        {"link", [](TVelkPanel& p) { p.setLink("x"); }, false},
        {"transparentBk", [](TVelkPanel& p) { p.setTransparentBk(true); }, true},
        {"itemLink", [](TVelkPanel& p) { p.setItemLink(3); }, false},
    };
    for (const auto& c : panelCases) {
        panel.setModified(false);
        c.apply(panel);
        EXPECT_EQ(panel.modified(), c.marks) << c.name;
    }
}

}  // namespace
}  // namespace wendle
