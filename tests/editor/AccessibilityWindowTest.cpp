#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>
#include <QWindow>

#include "EditorFixture.h"
#include "accessibility/PropertyDump.h"
#include "editor/AccessibilityBadge.h"
#include "editor/AccessibilityMonitor.h"
#include "editor/AccessibilityWindow.h"
#include "editor/AppletDocument.h"
#include "editor/AppletView.h"
#include "editor/ButtonsTab.h"
#include "model/Editing.h"

namespace wendle::testing {
namespace {

using accessibility::Finding;
using accessibility::Rule;

// The start-up applet: four buttons at client (5, 30 + 30 n), 95 x 30, a
// white caption on a black-to-navy face, yellow under the pointer.
class AccessibilityCheckWindow : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        main->show();
    }
    QAction* command() { return main->findChild<QAction*>("CheckAccessibility1"); }
    AccessibilityWindow* window() { return main->accessibilityWindow(); }
    QTreeWidget* tree() { return find<QTreeWidget>(window(), "FindingsTree"); }
    AccessibilityMonitor& monitor() { return main->accessibilityMonitor(); }
    // A caption nearly the colour of the face under it, in one state.
    void spoilCaption(int slot, int state) {
        applet().statePanel(state, slot)->setFontColor(rgb(0, 0, 90));
    }
    // The place of a finding in the monitor's list; -1 when there is none.
    int indexOf(Rule rule, int slot, int state) {
        const auto& findings = monitor().findings();
        for (std::size_t i = 0; i < findings.size(); ++i) {
            const Finding& f = findings[i];
            if (f.rule == rule && f.slot == slot && f.state == state)
                return int(i);
        }
        return -1;
    }
    QStringList groupTexts() {
        QStringList texts;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i)
            texts << tree()->topLevelItem(i)->text(0);
        return texts;
    }
    QStringList childTexts(int group) {
        QStringList texts;
        const QTreeWidgetItem* item = tree()->topLevelItem(group);
        for (int i = 0; i < item->childCount(); ++i) texts << item->child(i)->text(0);
        return texts;
    }
};

TEST_F(AccessibilityCheckWindow, OptionsCommandListsFindingsByButton) {
    spoilCaption(2, 2);
    applet().statePanel(2, 0)->setSoundName("tick.au");
    ASSERT_NE(command(), nullptr);
    command()->trigger();
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(groupTexts(), (QStringList{"Button 1 \"Button 1\"", "Button 2 \"Button 2\"",
                                         "Button 3 \"Button 3\"", "Button 4 \"Button 4\""}));
    const QStringList third = childTexts(2);
    ASSERT_FALSE(third.isEmpty());
    EXPECT_TRUE(third[0].startsWith("State 2: caption contrast 1.")) << third[0].toStdString();
    EXPECT_TRUE(childTexts(0).join('|').contains("State 2: warning: sound on mouse over"));
    EXPECT_TRUE(find<QLabel>(window(), "SummaryLabel")->text().startsWith("1 error(s)"));
}

TEST_F(AccessibilityCheckWindow, ChoosingAFindingSelectsItsButtonAndShowsItsState) {
    spoilCaption(2, 3);
    command()->trigger();
    const int index = indexOf(Rule::CaptionContrast, 2, 3);
    ASSERT_GE(index, 0);
    window()->chooseFinding(std::size_t(index));
    EXPECT_EQ(applet().selectedSlots(), std::vector<int>{2});
    EXPECT_EQ(applet().shownState(), 3);
    const auto* list = find<QTreeView>(main->buttonsTab(), "ItemListBox");
    EXPECT_TRUE(list->selectionModel()->isRowSelected(2, {}));
    EXPECT_TRUE(find<QPushButton>(window(), "bFix")->isEnabled());
    EXPECT_EQ(find<QLabel>(window(), "FixLabel")->text(), "Fix: Make the caption white");
}

TEST_F(AccessibilityCheckWindow, FixAndFixAllChangeExactlyTheirProperties) {
    spoilCaption(2, 2);
    spoilCaption(1, 1);
    SetSizeXY(applet(), 3, 5, 120, 20, 16);  // right under slot 2
    command()->trigger();
    ASSERT_GE(indexOf(Rule::TargetSize, 3, 1), 0);

    window()->chooseFinding(std::size_t(indexOf(Rule::CaptionContrast, 2, 2)));
    auto before = propertyDump(applet());
    find<QPushButton>(window(), "bFix")->click();
    EXPECT_EQ(changedKeys(before, propertyDump(applet())),
              std::vector<std::string>{"2/2/fontColor"});
    EXPECT_EQ(applet().statePanel(2, 2)->fontColor(), rgb(255, 255, 255));
    EXPECT_TRUE(applet().modified());
    EXPECT_EQ(indexOf(Rule::CaptionContrast, 2, 2), -1) << "the list follows at once";

    before = propertyDump(applet());
    find<QPushButton>(window(), "bFixAll")->click();
    EXPECT_EQ(changedKeys(before, propertyDump(applet())),
              (std::vector<std::string>{"1/1/fontColor", "3/1/height", "3/1/width", "3/2/height",
                                        "3/2/width", "3/3/height", "3/3/width"}));
    EXPECT_EQ(applet().statePanel(2, 3)->width(), 24);
    EXPECT_EQ(applet().statePanel(2, 3)->height(), 24);
    EXPECT_FALSE(find<QPushButton>(window(), "bFixAll")->isEnabled()) << "nothing left to fix";
}

TEST_F(AccessibilityCheckWindow, OneUndoTakesBackAFixOrAllFixes) {
    spoilCaption(2, 2);
    spoilCaption(1, 1);
    SetSizeXY(applet(), 3, 5, 120, 20, 16);
    command()->trigger();
    QUndoStack* stack = main->document().undoStack();
    const int depth = stack->count();
    window()->chooseFinding(std::size_t(indexOf(Rule::CaptionContrast, 2, 2)));
    const auto spoilt = propertyDump(applet());

    find<QPushButton>(window(), "bFix")->click();
    EXPECT_EQ(stack->count(), depth + 1);
    EXPECT_EQ(stack->undoText(), "Accessibility Fix");
    stack->undo();
    EXPECT_EQ(propertyDump(applet()), spoilt);
    monitor().checkNow();
    EXPECT_GE(indexOf(Rule::CaptionContrast, 2, 2), 0) << "the finding is back";

    find<QPushButton>(window(), "bFixAll")->click();
    EXPECT_EQ(stack->count(), depth + 1) << "the undone fix gave way to one command";
    EXPECT_EQ(stack->undoText(), "Accessibility Fixes");
    stack->undo();
    EXPECT_EQ(propertyDump(applet()), spoilt);
    stack->redo();
    EXPECT_EQ(applet().statePanel(2, 3)->width(), 24);
    EXPECT_EQ(applet().statePanel(2, 2)->fontColor(), rgb(255, 255, 255));
}

TEST_F(AccessibilityCheckWindow, BadgeFollowsTheDocumentAfterChangesButNotDuringADrag) {
    monitor().checkNow();
    AccessibilityBadge& badge = main->accessibilityBadge();
    const int atStart = badge.count();
    EXPECT_EQ(atStart, int(monitor().findings().size()));
    auto* tabs = find<QTabWidget>(main.get(), "PageControl1");
    const int buttonsTab = tabs->indexOf(main->buttonsTab());

    // An edit asks for a check; it comes from the timer, not from the edit.
    spoilCaption(0, 3);
    main->repaintPreview();
    EXPECT_TRUE(monitor().pending());
    EXPECT_EQ(badge.count(), atStart);
    ASSERT_TRUE(QTest::qWaitFor([&] { return badge.count() == atStart + 1; }, 5000));
    EXPECT_FALSE(tabs->tabIcon(buttonsTab).isNull());
    EXPECT_TRUE(tabs->tabToolTip(buttonsTab).startsWith(QString::number(atStart + 1)));

    // Moving a button: however long the drag lasts, no check runs until the
    // drop; then one follows.
    QSignalSpy checks(&monitor(), &AccessibilityMonitor::findingsChanged);
    main->preview()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main->preview()));
    QWindow* window = main->preview()->windowHandle();
    AppletView* view = main->preview()->view();
    const QPoint from = view->mapTo(main->preview(), QPoint(50, 45 - kToolBarStrip));
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    for (int dx = 1; dx <= 10; ++dx) QTest::mouseMove(window, from + QPoint(dx, 0));
    QTest::qWait(3 * AccessibilityMonitor::kIntervalMs);
    EXPECT_EQ(checks.count(), 0);
    EXPECT_EQ(applet().statePanel(1, 0)->left(), 15) << "the drag took place";
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, from + QPoint(10, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return checks.count() == 1; }, 5000));

    // Fixed: the badge counts one less again.
    applet().statePanel(3, 0)->setFontColor(rgb(255, 255, 255));
    main->repaintPreview();
    ASSERT_TRUE(QTest::qWaitFor([&] { return badge.count() == atStart; }, 5000));
}

}  // namespace
}  // namespace wendle::testing
