#include <gtest/gtest.h>

#include "model/Editing.h"

namespace wendle {
namespace {

class Editing : public ::testing::Test {
  protected:
    TVelkForm applet;
    void create(int count) {
        for (int i = 0; i < count; ++i) applet.CreateMenuItem();
    }
    TVelkPanel& panel(int state, int slot) { return *applet.statePanel(state, slot); }
    Bounds boundsOf(int state, int slot) {
        TVelkPanel& p = panel(state, slot);
        return {p.left(), p.top(), p.width(), p.height()};
    }
};

TEST_F(Editing, SelectionKeepsItsOrderAndMarksEveryState) {
    create(4);
    SelectOneItem(applet, 3);
    SelectOneItem(applet, 0);
    SelectOneItem(applet, 2);
    EXPECT_EQ(applet.selectedSlots(), (std::vector<int>{3, 0, 2}));
    for (int state = 1; state <= 3; ++state) EXPECT_TRUE(panel(state, 0).selected());

    // A toggle (Ctrl-click) of a selected button takes it out and keeps the rest.
    panel(1, 0).setModified(false);
    UnselectOneItem(applet, 0);
    EXPECT_EQ(applet.selectedSlots(), (std::vector<int>{3, 2}));
    EXPECT_FALSE(panel(2, 0).selected());
    EXPECT_TRUE(panel(1, 0).modified());  // the mark must be redrawn

    UnselectAll(applet);
    EXPECT_TRUE(applet.selectedSlots().empty());
    EXPECT_FALSE(panel(1, 3).selected());
}

TEST(GridSnap, RoundsHalvesToEven) {
    struct Case {
        int value, step, snapped;
    } cases[] = {{15, 10, 20}, {25, 10, 20}, {35, 10, 40},   {14, 10, 10},
                 {16, 10, 20}, {-5, 10, 0},  {-15, 10, -20}, {7, 0, 7},
                 {7, -3, 7},   {37, 25, 25}, {38, 25, 50}};
    for (const auto& c : cases) {
        EXPECT_EQ(snapToGrid(c.value, c.step), c.snapped) << c.value << " on " << c.step;
    }
}

TEST_F(Editing, DroppedButtonsSnapOnlyWithTheGridOn) {
    create(2);
    dropButton(applet, 1, 15, 33);
    EXPECT_EQ(boundsOf(3, 1), (Bounds{15, 33, 95, 30}));
    applet.setGrid(true);
    applet.setGridY(0);  // snapping off on that axis
    applet.setModified(false);
    dropButton(applet, 1, 25, 33);
    for (int state = 1; state <= 3; ++state)
        EXPECT_EQ(boundsOf(state, 1), (Bounds{20, 33, 95, 30}));
    EXPECT_EQ(boundsOf(1, 0), (Bounds{5, 30, 95, 30}));  // only the dragged button moves
    EXPECT_TRUE(applet.modified());
}

TEST_F(Editing, SetSizeXYGivesAllStatesOneGeometry) {
    create(1);
    SetSizeXY(applet, 0, 7, 40, 120, 44);
    for (int state = 1; state <= 3; ++state)
        EXPECT_EQ(boundsOf(state, 0), (Bounds{7, 40, 120, 44}));
}

TEST_F(Editing, AlignLinesUpTheSelectedButtons) {
    create(3);
    SetSizeXY(applet, 0, 10, 30, 50, 30);
    SetSizeXY(applet, 1, 40, 60, 80, 20);
    SetSizeXY(applet, 2, 0, 90, 30, 30);
    struct Case {
        AlignEdge edge;
        std::vector<int> selected;
        Bounds first, second;
    } cases[] = {
        {AlignEdge::RightSides, {0, 1}, {70, 30, 50, 30}, {40, 60, 80, 20}},
        {AlignEdge::LeftSides, {1, 0}, {10, 30, 50, 30}, {10, 60, 80, 20}},
        {AlignEdge::Tops, {0, 1}, {10, 30, 50, 30}, {40, 30, 80, 20}},
        {AlignEdge::Bottoms, {0, 1}, {10, 50, 50, 30}, {40, 60, 80, 20}},
        {AlignEdge::Bottoms, {1}, {10, 30, 50, 30}, {40, 60, 80, 20}},
        {AlignEdge::LeftSides, {}, {10, 30, 50, 30}, {40, 60, 80, 20}},
    };
    for (const auto& c : cases) {
        SetSizeXY(applet, 0, 10, 30, 50, 30);
        SetSizeXY(applet, 1, 40, 60, 80, 20);
        UnselectAll(applet);
        for (int slot : c.selected) SelectOneItem(applet, slot);
        alignSelected(applet, c.edge);
        for (int state = 1; state <= 3; ++state) {
            EXPECT_EQ(boundsOf(state, 0), c.first) << int(c.edge) << " state " << state;
            EXPECT_EQ(boundsOf(state, 1), c.second) << int(c.edge) << " state " << state;
        }
        EXPECT_EQ(boundsOf(1, 2), (Bounds{0, 90, 30, 30}));
    }
}

TEST_F(Editing, ArrangeInAColumnSizesTheApplet) {
    create(3);
    applet.setBorderWidth(2);
    panel(1, 0).setHeight(20);
    panel(1, 2).setHeight(30);
    applet.deleteButton(1);  // a gap in the list changes nothing
    arrangeButtons(applet, Arrangement::Vertical);
    EXPECT_EQ(boundsOf(1, 0), (Bounds{2, 27, 95, 20}));
    EXPECT_EQ(boundsOf(3, 2).top, 47);
    EXPECT_EQ(applet.clientHeight(), 80);
    EXPECT_EQ(applet.appletHeight(), 55);
    EXPECT_EQ(applet.clientWidth(), 95 + 4 + 1);
}

TEST_F(Editing, ArrangeInARowPlacesTheTextBoxUnderIt) {
    create(2);
    panel(1, 1).setWidth(60);
    panel(1, 1).setHeight(40);
    applet.setTextBoxVisible(1);
    arrangeButtons(applet, Arrangement::Horizontal);
    EXPECT_EQ(boundsOf(2, 0), (Bounds{4, 29, 95, 30}));
    EXPECT_EQ(boundsOf(1, 1).left, 99);
    const TvelkTextBox& box = applet.textBox();
    EXPECT_EQ((Bounds{box.left, box.top, box.width, box.height}),
              (Bounds{4, 40 + 4 + 25, 155, 20}));
    EXPECT_EQ(applet.clientWidth(), 155 + 8 + 1);
    EXPECT_EQ(applet.clientHeight(), 40 + 8 + 20 + 26);

    TVelkForm empty;
    empty.setClientSize(105, 175);
    arrangeButtons(empty, Arrangement::Horizontal);
    EXPECT_EQ(empty.clientHeight(), 175);
}

TEST_F(Editing, DuplicateCopiesTheLastSelectedButton) {
    create(4);
    panel(1, 3).setCaption("Shop\r\nNow");
    panel(2, 3).setBkColor(0x00123456);
    panel(3, 3).setLink("http://example.com/");
    panel(1, 3).setItemLink(0);
    SetSizeXY(applet, 3, 50, 200, 70, 40);
    EXPECT_FALSE(duplicateSelected(applet).ok());  // nothing selected

    SelectOneItem(applet, 0);
    SelectOneItem(applet, 3);
    const auto copy = duplicateSelected(applet);
    ASSERT_TRUE(copy.ok());
    EXPECT_EQ(copy.slot, 4);
    EXPECT_EQ(panel(1, 4).caption(), "Shop\r\nNow");
    EXPECT_EQ(panel(2, 4).bkColor(), 0x00123456u);
    EXPECT_EQ(panel(3, 4).link(), "http://example.com/");
    EXPECT_EQ(panel(1, 4).itemLink(), 0);
    EXPECT_EQ(panel(1, 4).itemName(), "Button 5");
    EXPECT_FALSE(panel(1, 4).selected());
    // Placed as a new button (under the lowest one), with the source's size.
    EXPECT_EQ(boundsOf(2, 4), (Bounds{5, 240, 70, 40}));
    EXPECT_EQ(applet.selectedSlots(), (std::vector<int>{0, 3}));
}

TEST_F(Editing, DeleteSelectedTakesEverySelectedButton) {
    create(3);
    SelectOneItem(applet, 2);
    SelectOneItem(applet, 0);
    deleteSelected(applet);
    EXPECT_EQ(applet.usedSlots(), std::vector<int>{1});
    EXPECT_EQ(applet.buttonCount(), 1);
    const auto created = applet.CreateMenuItem();
    EXPECT_EQ(created.slot, 0);
    EXPECT_EQ(applet.usedSlots(), (std::vector<int>{1, 0}));
}

TEST_F(Editing, RepaintIfTransparentMarksOnlyTransparentFaces) {
    create(2);
    panel(2, 1).setTransparentBk(true);
    for (int slot : {0, 1}) {
        for (int state = 1; state <= 3; ++state) panel(state, slot).setModified(false);
    }
    repaintIfTransparent(applet);
    EXPECT_TRUE(panel(2, 1).modified());
    EXPECT_FALSE(panel(1, 1).modified());
    EXPECT_FALSE(panel(2, 0).modified());
}

}  // namespace
}  // namespace wendle
