#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "model/AppletChange.h"
#include "model/AppletEdits.h"
#include "model/ButtonTransfer.h"
#include "model/Editing.h"
#include "model/PanelEdits.h"

namespace wendle {
namespace {

// Everything of the applet an edit could touch, for comparing whole states.
AppletPart everything(const TVelkForm& applet) {
    EditScope scope;
    scope.form = true;
    scope.order = true;
    scope.buttonSlots.resize(kMaxSlots);
    std::iota(scope.buttonSlots.begin(), scope.buttonSlots.end(), 0);
    return capturePart(applet, scope);
}

// Four buttons; the first and the last link to slot 2, which sits in the
// middle of the stacking order; 1 and 2 are selected.
void linkedApplet(TVelkForm& applet) {
    for (int i = 0; i < 4; ++i) applet.CreateMenuItem();
    applet.statePanel(1, 0)->setItemLink(2);
    applet.statePanel(1, 3)->setItemLink(2);
    applet.statePanel(2, 1)->setBkColor(0x123456);
    applet.bringToFront(2);
    applet.sendToBack(0);
    SelectOneItem(applet, 1);
    SelectOneItem(applet, 2);
}

void fullApplet(TVelkForm& applet) {
    for (int i = 0; i < kMaxButtons; ++i) applet.CreateMenuItem();
    applet.statePanel(1, 40)->setItemLink(50);
    SelectOneItem(applet, 50);
}

struct EditCase {
    const char* name;
    std::function<void(TVelkForm&)> setUp;
    std::function<EditScope(const TVelkForm&)> scope;
    std::function<void(TVelkForm&)> edit;
};

EditScope selectedButtons(const TVelkForm& applet) {
    return {false, applet.selectedSlots(), false};
}
EditScope selectedWithOrder(const TVelkForm& applet) {
    return {false, applet.selectedSlots(), true};
}
EditScope formOnly(const TVelkForm&) {
    return {true, {}, false};
}
EditScope allButtonsAndForm(const TVelkForm& applet) {
    return {true, applet.usedSlots(), false};
}

const EditCase kCases[] = {
    {"colour of many states", linkedApplet, selectedButtons,
     [](TVelkForm& a) {
         for (int slot : a.selectedSlots())
             for (int s = 1; s <= 3; ++s) a.statePanel(s, slot)->setBkColor(0xABCDEF);
     }},
    {"transparency", linkedApplet, selectedButtons,
     [](TVelkForm& a) {
         PanelValues state = capturePanel(*a.statePanel(1, 1));
         setTransparentBackground(state, true);
         applyPanel(*a.statePanel(1, 1), state);
     }},
    {"state image", linkedApplet, selectedButtons,
     [](TVelkForm& a) {
         PanelValues state = capturePanel(*a.statePanel(3, 2));
         setStateImage(state, "b.gif", "/x/b.gif");
         applyPanel(*a.statePanel(3, 2), state);
     }},
    {"background image", linkedApplet, formOnly,
     [](TVelkForm& a) { setBackgroundImage(a, "bk.jpg", "/x/bk.jpg"); }},
    {"align", linkedApplet, selectedButtons,
     [](TVelkForm& a) { alignSelected(a, AlignEdge::RightSides); }},
    {"arrange", linkedApplet, allButtonsAndForm,
     [](TVelkForm& a) {
         a.setTextBoxVisible(1);
         arrangeButtons(a, Arrangement::Horizontal);
     }},
    {"duplicate", linkedApplet, selectedWithOrder, [](TVelkForm& a) { duplicateSelected(a); }},
    {"delete a linked button", linkedApplet, selectedWithOrder,
     [](TVelkForm& a) { deleteSelected(a); }},
    {"paste", linkedApplet, selectedWithOrder,
     [](TVelkForm& a) {
         pasteButtons(a, copyButtons(a, {0, 2}));
     }},
    {"paste look", linkedApplet, selectedButtons,
     [](TVelkForm& a) { pasteLook(a, a.selectedSlots(), captureButton(a, 0)); }},
    {"nudge", linkedApplet, selectedButtons,
     [](TVelkForm& a) { nudgeButtons(a, a.selectedSlots(), -1, 10); }},
    {"rename", linkedApplet, selectedButtons, [](TVelkForm& a) { renameButton(a, 2, "Home"); }},
    {"text box", linkedApplet, formOnly,
     [](TVelkForm& a) {
         placeTextBox(a, {7, 40, 60, 20}, false);
     }},
    {"applet size", linkedApplet, allButtonsAndForm,
     [](TVelkForm& a) { resizeApplet(a, 400, 90); }},
    {"delete in a full applet", fullApplet, selectedWithOrder,
     [](TVelkForm& a) { deleteSelected(a); }},
    {"paste refused in a full applet", fullApplet, selectedWithOrder,
     [](TVelkForm& a) { pasteButtons(a, copyButtons(a, {50})); }},
};

TEST(AppletChange, UndoAndRedoGiveBackEachStateExactly) {
    for (const EditCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TVelkForm applet;
        c.setUp(applet);
        const AppletPart before = everything(applet);
        const std::vector<int> stacking = applet.stackingOrder();

        AppletTransaction transaction(applet, c.scope(applet));
        c.edit(applet);
        const AppletChange change = transaction.commit();
        const AppletPart after = everything(applet);

        restorePart(applet, change.before);
        EXPECT_EQ(everything(applet), before);
        EXPECT_EQ(applet.stackingOrder(), stacking);
        EXPECT_EQ(applet.buttonCount(), int(applet.usedSlots().size()));
        restorePart(applet, change.after);
        EXPECT_EQ(everything(applet), after);
        EXPECT_EQ(change.changed(), !(before == after));
    }
}

TEST(AppletChange, AButtonPutBackIsShownAndKeepsItsPlaceInTheLists) {
    TVelkForm applet;
    linkedApplet(applet);
    applet.setActiveStates({false, true, true});
    applet.showActiveStates();
    AppletTransaction transaction(applet, selectedWithOrder(applet));
    deleteSelected(applet);
    const AppletChange change = transaction.commit();
    EXPECT_EQ(applet.statePanel(1, 0)->itemLink(), -1);

    restorePart(applet, change.before);
    EXPECT_EQ(applet.usedSlots(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(applet.statePanel(1, 0)->itemLink(), 2);
    EXPECT_EQ(applet.statePanel(1, 3)->itemLink(), 2);
    EXPECT_TRUE(applet.statePanel(2, 2)->visible());
    EXPECT_FALSE(applet.statePanel(1, 2)->visible());
    // Putting back does not select; the selection only ever names buttons
    // that exist.
    EXPECT_FALSE(applet.statePanel(1, 2)->selected());
    restorePart(applet, change.after);
    EXPECT_EQ(applet.usedSlots(), (std::vector<int>{0, 3}));
    EXPECT_TRUE(applet.selectedSlots().empty());
}

TEST(AppletChange, ANewButtonJoinsTheChangeByItself) {
    TVelkForm applet;
    linkedApplet(applet);
    AppletTransaction transaction(applet, {false, {}, true});
    const int slot = applet.CreateMenuItem().slot;
    const AppletChange change = transaction.commit();
    EXPECT_EQ(change.changedSlots(), std::vector<int>{slot});
    restorePart(applet, change.before);
    EXPECT_EQ(applet.statePanel(1, slot), nullptr);
    EXPECT_EQ(applet.buttonCount(), 4);
}

TEST(AppletChange, AnEditThatChangesNothingIsNoChange) {
    TVelkForm applet;
    linkedApplet(applet);
    AppletTransaction transaction(applet, selectedButtons(applet));
    renameButton(applet, 1, "   ");
    EXPECT_FALSE(transaction.commit().changed());
}

}  // namespace
}  // namespace wendle
