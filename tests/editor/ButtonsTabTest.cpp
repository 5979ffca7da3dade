#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>

#include "EditorFixture.h"
#include "editor/ButtonsTab.h"
#include "editor/Encoding.h"
#include "editor/Texts.h"
#include "model/Editing.h"

namespace wendle::testing {
namespace {

class ButtonList : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        main->show();
        tabs()->setCurrentWidget(main->buttonsTab());
    }
    QTabWidget* tabs() { return find<QTabWidget>(main.get(), "PageControl1"); }
    QTreeView* list() { return find<QTreeView>(main->buttonsTab(), "ItemListBox"); }
    QModelIndex row(int number) { return list()->model()->index(number, 0); }
    int rowCount() { return list()->model()->rowCount(); }
    QMenu* menu() { return find<QMenu>(main->buttonsTab(), "ItemPopupMenu"); }
    QAction* menuEntry(const char* name) { return menu()->findChild<QAction*>(name); }
    void clickTabButton(const char* name) { find<QPushButton>(main->buttonsTab(), name)->click(); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QRect rect = list()->visualRect(this->row(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, rect.center());
    }
    void releaseKey(Qt::Key key) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(list(), &release);
    }
    QStringList rowTexts() {
        QStringList texts;
        for (int number = 0; number < rowCount(); ++number) texts << row(number).data().toString();
        return texts;
    }
    std::vector<int> selectedRows() {
        std::vector<int> rows;
        for (int number = 0; number < rowCount(); ++number)
            if (list()->selectionModel()->isSelected(row(number)))
                rows.push_back(number);
        return rows;
    }
    Bounds boundsOf(int state, int slot) {
        const TVelkPanel& p = *applet().statePanel(state, slot);
        return {p.left(), p.top(), p.width(), p.height()};
    }
    // Opens the context menu and notes which entries it shows, in order
    // (separators as "-").
    QStringList shownMenuEntries() {
        menu()->popup(list()->mapToGlobal(QPoint(10, 10)));
        QStringList shown;
        for (QAction* action : menu()->actions())
            if (action->isVisible())
                shown << (action->isSeparator() ? QString("-") : action->text());
        menu()->hide();
        return shown;
    }
};

TEST_F(ButtonList, EveryNamedControlIsThereWithItsCaptionAndHint) {
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(list()->model()->headerData(0, Qt::Horizontal).toString(), "Buttons");
    EXPECT_EQ(list()->columnWidth(0), 77);
    EXPECT_EQ(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
    ASSERT_NE(menu(), nullptr);
    struct Button {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Button buttons[] = {
        {"bNewButton", "&New Button", "Creates a new button"},
        {"bDeleteButton", "&Delete Button", "Deletes the selected buttons(s)"},
        {"bDuplicate", "D&uplicate", "Duplicates the selected button"},
        {"bProperties", "&Properties", "Displays the button properties window"},
    };
    for (const Button& b : buttons) {
        auto* button = find<QPushButton>(main->buttonsTab(), b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(button->toolTip(), b.hint);
    }
    const char* entries[] = {"ButtonProperties1", "NewButton1",    "DeleteButton1",
                             "DuplicateButton1",  "RenameButton1", "Align1",
                             "LeftSides1",        "RightSides1",   "Tops1",
                             "Bottoms1"};
    for (const char* entry : entries) EXPECT_NE(menuEntry(entry), nullptr) << entry;
}

TEST_F(ButtonList, RowsNameTheButtonsInCreationOrder) {
    EXPECT_EQ(rowTexts(), (QStringList{"Button 1", "Button 2", "Button 3", "Button 4"}));
}

TEST_F(ButtonList, ACutNameShowsWholeInItsToolTip) {
    struct Case {
        QString name;
        bool cut;
    } cases[] = {
        {"Home", false},
        {"Our products and services for the whole family", true},
    };
    for (const auto& c : cases) {
        applet().statePanel(1, 1)->setItemName(fromQString(c.name));
        const QRect rect = list()->visualRect(row(1));
        QHelpEvent help(QEvent::ToolTip, rect.center(),
                        list()->viewport()->mapToGlobal(rect.center()));
        QApplication::sendEvent(list()->viewport(), &help);
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.cut ? c.name : QString())
            << c.name.toStdString();
        QToolTip::hideText();
    }
}

TEST_F(ButtonList, SelectingRowsSelectsTheirButtonsInTheOrderChosen) {
    clickRow(2);
    clickRow(0, Qt::ControlModifier);
    clickRow(3, Qt::ControlModifier);
    EXPECT_EQ(applet().selectedSlots(), (std::vector<int>{2, 0, 3}));
    for (int slot : {0, 2, 3}) EXPECT_TRUE(applet().statePanel(1, slot)->selected()) << slot;
    EXPECT_FALSE(applet().statePanel(3, 1)->selected());

    clickRow(0, Qt::ControlModifier);
    EXPECT_EQ(applet().selectedSlots(), (std::vector<int>{2, 3}));
    clickRow(1);
    EXPECT_EQ(applet().selectedSlots(), (std::vector<int>{1}));
}

TEST_F(ButtonList, ThePreviewsSelectionMarksTheRowsWithoutFeedingBack) {
    SelectOneItem(applet(), 3);
    SelectOneItem(applet(), 1);
    EXPECT_EQ(selectedRows(), (std::vector<int>{1, 3}));
    EXPECT_EQ(applet().selectedSlots(), (std::vector<int>{3, 1}));
    UnselectAll(applet());
    EXPECT_TRUE(selectedRows().empty());
}

TEST_F(ButtonList, DeletedSlotsAreReusedAndTheNewButtonGetsTheLastRow) {
    clickRow(3);
    dialogs.answers = {UserDialogs::Answer::Yes};
    QTest::keyClick(list(), Qt::Key_Delete);
    ASSERT_EQ(applet().usedSlots(), (std::vector<int>{0, 1, 2}));

    clickRow(1);
    dialogs.answers = {UserDialogs::Answer::Yes};
    clickTabButton("bDeleteButton");
    EXPECT_EQ(dialogs.questions.last(), texts::kConfirmDelete);
    EXPECT_EQ(applet().usedSlots(), (std::vector<int>{0, 2}));
    EXPECT_EQ(rowTexts(), (QStringList{"Button 1", "Button 3"}));

    clickTabButton("bNewButton");
    EXPECT_EQ(applet().usedSlots(), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(rowTexts(), (QStringList{"Button 1", "Button 3", "Button 2"}));
    EXPECT_EQ(applet().statePanel(1, 1)->itemName(), "Button 2");
}

TEST_F(ButtonList, DeleteNeedsASelectionAndAYes) {
    clickTabButton("bDeleteButton");
    EXPECT_EQ(dialogs.messages, QStringList{texts::kNoSelectionDelete});
    clickRow(0);
    releaseKey(Qt::Key_Delete);  // answered No
    EXPECT_EQ(applet().buttonCount(), 4);
    EXPECT_EQ(rowTexts().size(), 4);
}

TEST_F(ButtonList, DuplicateCopiesTheLastSelectedButton) {
    SetSizeXY(applet(), 3, 5, 120, 77, 33);
    applet().statePanel(2, 3)->setCaption("Home");
    clickRow(0);
    clickRow(3, Qt::ControlModifier);
    clickTabButton("bDuplicate");
    ASSERT_EQ(applet().usedSlots().size(), 5u);
    const int copy = applet().usedSlots().back();
    EXPECT_EQ(copy, 4);
    EXPECT_EQ(boundsOf(1, copy).width, 77);
    EXPECT_EQ(boundsOf(3, copy).height, 33);
    EXPECT_EQ(applet().statePanel(2, copy)->caption(), "Home");
    EXPECT_EQ(rowTexts().last(), "Button 5");
    EXPECT_EQ(applet().selectedSlots(), (std::vector<int>{0, 3}));
}

TEST_F(ButtonList, DuplicateAndPropertiesNeedASelection) {
    clickTabButton("bDuplicate");
    clickTabButton("bProperties");
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 200));
    EXPECT_EQ(dialogs.messages,
              (QStringList{texts::kNoSelectionDuplicate, texts::kNoSelectionProperties,
                           texts::kNoSelectionProperties}));
    EXPECT_EQ(applet().buttonCount(), 4);
}

TEST_F(ButtonList, AlignmentLinesSelectedButtonsUpOnTheirOutermostEdge) {
    struct Case {
        const char* entry;
        Bounds first;   // slot 0, from (10, 40) 50 x 20
        Bounds second;  // slot 1, from (40, 70) 80 x 30
    };
    const Case cases[] = {
        {"LeftSides1", {10, 40, 50, 20}, {10, 70, 80, 30}},
        {"RightSides1", {70, 40, 50, 20}, {40, 70, 80, 30}},
        {"Tops1", {10, 40, 50, 20}, {40, 40, 80, 30}},
        {"Bottoms1", {10, 80, 50, 20}, {40, 70, 80, 30}},
    };
    for (const Case& c : cases) {
        SetSizeXY(applet(), 0, 10, 40, 50, 20);
        SetSizeXY(applet(), 1, 40, 70, 80, 30);
        SetSizeXY(applet(), 2, 0, 200, 95, 30);
        UnselectAll(applet());
        clickRow(0);
        clickRow(1, Qt::ControlModifier);
        menuEntry(c.entry)->trigger();
        for (int state = 1; state <= 3; ++state) {
            EXPECT_EQ(boundsOf(state, 0), c.first) << c.entry << " state " << state;
            EXPECT_EQ(boundsOf(state, 1), c.second) << c.entry << " state " << state;
        }
        EXPECT_EQ(boundsOf(1, 2), (Bounds{0, 200, 95, 30})) << c.entry;
    }
}

TEST_F(ButtonList, AligningOneButtonOrNoneMovesNothing) {
    const Bounds before = boundsOf(1, 2);
    menuEntry("Bottoms1")->trigger();
    clickRow(2);
    menuEntry("Bottoms1")->trigger();
    menuEntry("RightSides1")->trigger();
    EXPECT_EQ(boundsOf(1, 2), before);
}

TEST_F(ButtonList, ContextMenuOffersOnlyNewButtonWithoutASelection) {
    EXPECT_EQ(shownMenuEntries(), QStringList{"&New Button"});
    clickRow(1);
    EXPECT_EQ(shownMenuEntries(),
              (QStringList{"&Button Properties", "-", "&New Button", "&Delete Button ",
                           "D&uplicate Button ", "-", "&Rename Button", "-", "&Align"}));
    QStringList align;
    for (QAction* action : menuEntry("Align1")->menu()->actions()) align << action->text();
    EXPECT_EQ(align, (QStringList{"&Left Sides", "&Right Sides", "&Tops", "&Bottoms"}));
}

TEST_F(ButtonList, ContextMenuEntriesRunTheirCommands) {
    menuEntry("NewButton1")->trigger();
    EXPECT_EQ(applet().buttonCount(), 5);
    clickRow(4);
    menuEntry("DuplicateButton1")->trigger();
    EXPECT_EQ(applet().buttonCount(), 6);
    dialogs.answers = {UserDialogs::Answer::Yes};
    menuEntry("DeleteButton1")->trigger();
    EXPECT_EQ(applet().usedSlots(), (std::vector<int>{0, 1, 2, 3, 5}));
}

TEST_F(ButtonList, RenameEditsTheFirstSelectedRowAndNamesTheButton) {
    tabs()->setCurrentIndex(0);
    clickRow(2);
    clickRow(1, Qt::ControlModifier);
    menuEntry("RenameButton1")->trigger();
    EXPECT_EQ(tabs()->currentWidget(), main->buttonsTab());
    auto* editor = list()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "Button 2");
    applet().setModified(false);
    editor->selectAll();
    QTest::keyClicks(editor, "Home");
    // Keys typed into the name are the name's: Delete deletes no button.
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(applet().buttonCount(), 4);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the edit is committed once the key is handled
    EXPECT_EQ(applet().statePanel(1, 1)->itemName(), "Home");
    EXPECT_EQ(rowTexts()[1], "Home");
    EXPECT_TRUE(applet().modified());
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(ButtonList, F2RenamesAndAnEmptiedNameKeepsTheOldOne) {
    clickRow(0);
    releaseKey(Qt::Key_F2);
    auto* editor = list()->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    applet().setModified(false);
    editor->clear();
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the edit is committed once the key is handled
    EXPECT_EQ(applet().statePanel(1, 0)->itemName(), "Button 1");
    EXPECT_EQ(rowTexts()[0], "Button 1");
    EXPECT_FALSE(applet().modified());
}

TEST_F(ButtonList, RenameWithoutASelectionDoesNothing) {
    releaseKey(Qt::Key_F2);
    EXPECT_EQ(list()->viewport()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(ButtonList, HelpOpensTheButtonsTopic) {
    find<QToolButton>(main->buttonsTab(), "bButtonsHelp")->click();
    EXPECT_EQ(dialogs.helpTopics, QList<int>{47});
}

}  // namespace
}  // namespace wendle::testing
