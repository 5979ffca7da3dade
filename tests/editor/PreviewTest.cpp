#include <QTest>

#include "EditorFixture.h"
#include "editor/AppletView.h"
#include "editor/Preview.h"
#include "model/Editing.h"

namespace wendle::testing {
namespace {

class PreviewEditing : public EditorFixture {
  protected:
    AppletView* view() { return main->preview()->view(); }
    // A point in preview client coordinates as the view sees it.
    static QPoint at(int clientX, int clientY) { return {clientX, clientY - kToolBarStrip}; }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(view(), Qt::LeftButton, modifiers, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), view()->mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, modifiers);
        QApplication::sendEvent(view(), &move);
        QTest::mouseRelease(view(), Qt::LeftButton, modifiers, to);
    }
    Bounds boundsOf(int state, int slot) {
        const TVelkPanel& p = *applet().statePanel(state, slot);
        return {p.left(), p.top(), p.width(), p.height()};
    }
};

TEST_F(PreviewEditing, ClicksSelectAndModifierClicksToggle) {
    QTest::mouseClick(view(), Qt::LeftButton, Qt::NoModifier, at(50, 45));        // slot 0
    QTest::mouseClick(view(), Qt::LeftButton, Qt::ControlModifier, at(50, 110));  // slot 2
    QTest::mouseClick(view(), Qt::LeftButton, Qt::ShiftModifier, at(50, 75));     // slot 1
    EXPECT_EQ(applet().selectedSlots(), (std::vector<int>{0, 2, 1}));
    QTest::mouseClick(view(), Qt::LeftButton, Qt::ControlModifier, at(50, 45));
    EXPECT_EQ(applet().selectedSlots(), (std::vector<int>{2, 1}));
    QTest::mouseClick(view(), Qt::LeftButton, Qt::NoModifier, at(102, 45));  // empty area
    EXPECT_TRUE(applet().selectedSlots().empty());
}

TEST_F(PreviewEditing, ADragMovesOnlyTheDraggedButtonAndSnapsToTheGrid) {
    SelectOneItem(applet(), 0);
    SelectOneItem(applet(), 1);
    applet().setGrid(true);
    // Slot 1 sits at (5, 60): moving it by (10, 0) drops it at left 15 -> 20.
    drag(at(50, 70), at(60, 70));
    EXPECT_EQ(applet().selectedSlots(), std::vector<int>{1});
    for (int state = 1; state <= 3; ++state)
        EXPECT_EQ(boundsOf(state, 1), (Bounds{20, 60, 95, 30}));
    EXPECT_EQ(boundsOf(1, 0), (Bounds{5, 30, 95, 30}));
    // From 20, a move by 5 drops at 25 -> 20 (half to even).
    drag(at(50, 70), at(55, 70));
    EXPECT_EQ(boundsOf(2, 1).left, 20);
}

TEST_F(PreviewEditing, AnEdgeDragResizesAllThreeStates) {
    applet().setActiveStates({false, true, false});
    applet().showActiveStates();
    // The right edge band of slot 0 (left 5, width 95): x 96..99.
    drag(at(98, 45), at(118, 45));
    for (int state = 1; state <= 3; ++state)
        EXPECT_EQ(boundsOf(state, 0), (Bounds{5, 30, 115, 30}));
    // The bottom-left corner of slot 3 (top 120, height 30).
    drag(at(6, 148), at(1, 158));
    for (int state = 1; state <= 3; ++state)
        EXPECT_EQ(boundsOf(state, 3), (Bounds{0, 120, 100, 40}));
}

TEST_F(PreviewEditing, TheHundredthNewButtonIsRefused) {
    for (int i = 0; i < 95; ++i) main->newButton();
    EXPECT_EQ(applet().buttonCount(), 99);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    main->newButton();
    EXPECT_EQ(applet().buttonCount(), 99);
    EXPECT_EQ(dialogs.messages,
              QStringList{"Sorry, you have reached the maximum number of buttons allowed."});
}

TEST_F(PreviewEditing, ButtonPropertiesNeedsASelection) {
    main->showButtonProperties();
    EXPECT_EQ(dialogs.messages, QStringList{"I cannot show the button properties because you do "
                                            "not have any buttons selected."});
}

TEST_F(PreviewEditing, ResizingTheWindowResizesTheApplet) {
    main->preview()->show();
    QEvent enter(QEvent::Enter);  // the user reaches the window, then resizes it
    QApplication::sendEvent(main->preview(), &enter);
    main->preview()->resize(200, 125);
    QApplication::processEvents();
    EXPECT_EQ(applet().appletWidth(), 200);
    EXPECT_EQ(applet().appletHeight(), 100);
    main->preview()->resize(200, 20);  // shrunk to its tool bar: the applet keeps its size
    QApplication::processEvents();
    EXPECT_EQ(applet().appletHeight(), 100);
}

TEST_F(PreviewEditing, ASizeTheWindowSystemImposesIsNoEdit) {
    main->showCentred();
    applet().setModified(false);
    // Before the user reaches the window, as a window manager fitting it in.
    main->preview()->resize(90, 100);
    QApplication::processEvents();
    EXPECT_EQ(applet().appletWidth(), 105);
    EXPECT_FALSE(applet().modified());
}

TEST_F(PreviewEditing, TheFirstPointerMoveOpensThePreviewHintOnce) {
    for (int i = 0; i < 3; ++i) {
        const QPointF point(at(50 + i, 45));
        QMouseEvent move(QEvent::MouseMove, point, view()->mapToGlobal(point), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view(), &move);
    }
    EXPECT_EQ(dialogs.helpTopics, QList<int>{48});
}

}  // namespace
}  // namespace wendle::testing
