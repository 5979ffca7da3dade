#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "EditorFixture.h"
#include "document/DocumentWriter.h"
#include "editor/AppletDocument.h"
#include "editor/AppletView.h"
#include "editor/ButtonsTab.h"
#include "editor/GeneralTab.h"
#include "editor/Properties.h"
#include "model/Editing.h"

namespace wendle::testing {
namespace {

// Every edit a user can make, made through the windows, undone and redone
// through the Edit menu; the document as a save writes it is compared
// byte for byte.
class UndoThroughWindows : public EditorFixture {
  public:
    // The gestures of the table below drive the windows through these.
    using EditorFixture::applet;
    using EditorFixture::dialogs;
    using EditorFixture::main;
    void TestBody() override {}

    // The HTML rebuild of a save stores its placeholders in the applet,
    // outside undo; a first pass settles them.
    std::string bytes() {
        document::composeDocument(applet());
        return document::composeDocument(applet()).bytes;
    }
    QAction* action(const char* name) {
        QAction* found = main->findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void select(std::initializer_list<int> ordinals) {
        std::vector<int> chosen;
        for (int ordinal : ordinals)
            chosen.push_back(applet().usedSlots().at(std::size_t(ordinal)));
        main->document().selectSlots(chosen);
        main->updatePropertiesWindow();
    }
    template <typename T = QWidget>
    T* in(QWidget* root, const char* name) {
        T* found = root->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }
    QWidget* properties() { return main->properties(); }
    QWidget* general() { return main->generalTab(); }
    void click(QWidget* root, const char* name) {
        auto* button = in<QAbstractButton>(root, name);
        const QPoint at = qobject_cast<QCheckBox*>(button) ? QPoint(6, button->height() / 2)
                                                           : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    // Typing goes where the focus is, in the active window.
    void focus(QWidget* field) {
        field->window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(field->window()));
        field->setFocus();
    }
    void type(QWidget* root, const char* name, const QString& text) {
        QWidget* field = in(root, name);
        focus(field);
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, text);
    }
    void setNumber(QWidget* root, const char* name, int value) {
        auto* field = in<QSpinBox>(root, name);
        focus(field);
        field->selectAll();
        QTest::keyClicks(field, QString::number(value));
    }
    void drag(QPoint from, QPoint to) {
        AppletView* view = main->preview()->view();
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), view->mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(main->preview()->view(), Qt::Key(key), modifiers);
    }
    void useFullApplet() {
        auto full = std::make_unique<TVelkForm>();
        for (int i = 0; i < kMaxButtons; ++i) full->CreateMenuItem();
        full->statePanel(1, 10)->setItemLink(50);
        full->statePanel(2, 70)->setItemLink(50);
        full->setModified(false);
        main->document().replaceApplet(std::move(full));
    }
};

struct Gesture {
    const char* name;
    std::function<void(UndoThroughWindows&)> setUp;
    std::function<void(UndoThroughWindows&)> run;
    // The steps on the stack it leaves: one per gesture.
    int steps = 1;
    // What Undo calls it, where the table says.
    const char* undoName = nullptr;
};

// Selection, a colour answer or a question's answer, then the gesture.
const Gesture kGestures[] = {
    {"a state colour on two buttons",
     [](auto& t) {
         t.select({0, 2});
         t.dialogs.colours.push_back(0x00FF00);
     },
     [](auto& t) { t.click(t.properties(), "bBkColor"); }, 1,
     "Change Background Color of 2 Buttons"},
    {"typing a caption", [](auto& t) { t.select({1}); },
     [](auto& t) { t.type(t.properties(), "eText", "xyz"); }, 1, "Change Caption"},
    {"transparency",
     [](auto& t) {
         t.select({1, 3});
     },
     [](auto& t) { t.click(t.properties(), "CheckBox2"); }, 1, "Change Transparency of 2 Buttons"},
    {"a border width", [](auto& t) { t.select({0}); },
     [](auto& t) { t.setNumber(t.properties(), "eBorderWidth", 7); }, 1, "Change Border Width"},
    {"a link",
     [](auto& t) {
         t.select({0, 1});
     },
     [](auto& t) { t.type(t.properties(), "itemLinkEdit", "a.html"); }, 1,
     "Change Link of 2 Buttons"},
    {"a button's width", [](auto& t) { t.select({2}); },
     [](auto& t) { t.setNumber(t.properties(), "eItemWidth", 120); }, 1, "Change Size"},
    {"the applet's gradient", [](auto&) {}, [](auto& t) { t.click(t.general(), "chkGradient"); }, 1,
     "Change Applet Gradient Fill"},
    {"the applet's border width", [](auto&) {},
     [](auto& t) { t.setNumber(t.general(), "eBorderWidth", 9); }, 1, "Change Applet Border Width"},
    {"the applet's width", [](auto&) {},
     [](auto& t) { t.setNumber(t.general(), "eAppletWidth", 250); }},
    {"the text box shown", [](auto&) {}, [](auto& t) { t.click(t.general(), "CheckBox2"); }, 1,
     "Change Text Box Shown"},
    {"arranged in a row", [](auto&) {},
     [](auto& t) {
         auto* box = t.template in<QComboBox>(t.general(), "ComboBox1");
         box->setCurrentIndex(1);
         emit box->activated(1);
     }},
    {"a picture typed for a button", [](auto& t) { t.select({1}); },
     [](auto& t) { t.type(t.properties(), "eBkImage", "picture.gif"); }, 1, "Change Button Image"},
    {"a sound typed for a button",
     [](auto& t) {
         t.select({0, 2});
     },
     [](auto& t) { t.type(t.properties(), "sound1", "click.au"); }, 1, "Change Sound of 2 Buttons"},
    {"the applet's background picture", [](auto&) {},
     [](auto& t) { t.type(t.general(), "eBkImage", "back.gif"); }, 1, "Change Applet Image"},
    {"a button renamed in the list", [](auto&) {},
     [](auto& t) {
         auto* list = t.template in<QAbstractItemView>(t.main->buttonsTab(), "ItemListBox");
         list->model()->setData(list->model()->index(1, 0), "Renamed");
     }},
    {"a text box moved in the preview",
     [](auto& t) {
         t.applet().setTextBoxVisible(1);
         t.applet().setTextBoxBounds({10, 60, 80, 20});
         t.applet().textBox().setBounds(10, 60, 80, 20);
     },
     [](auto& t) {
         // The view's pixels start below the tool bar strip.
         t.drag({30, 60 - kToolBarStrip + 10}, {45, 60 - kToolBarStrip + 25});
     }},
    {"a new button", [](auto&) {}, [](auto& t) { t.click(t.main->buttonsTab(), "bNewButton"); }},
    {"a duplicate", [](auto& t) { t.select({1}); },
     [](auto& t) { t.action("duplicateMenuItem")->trigger(); }},
    {"deleting a linked button",
     [](auto& t) {
         t.applet().statePanel(1, 0)->setItemLink(2);
         t.applet().statePanel(1, 3)->setItemLink(2);
         t.applet().bringToFront(2);
         t.select({2});
         t.dialogs.answers.push_back(UserDialogs::Answer::Yes);
     },
     [](auto& t) { t.action("deleteMenuItem")->trigger(); }},
    {"align",
     [](auto& t) {
         // A narrower middle button: the right sides differ.
         const TVelkPanel& middle = *t.applet().statePanel(1, 1);
         SetSizeXY(t.applet(), 1, middle.left(), middle.top(), 60, middle.height());
         t.select({0, 1, 3});
     },
     [](auto& t) { t.main->buttonsTab()->alignButtons(AlignEdge::RightSides); }},
    {"a drag in the preview", [](auto&) {},
     [](auto& t) {
         t.drag({20, 10}, {80, 40});
     }},
    {"a resize in the preview", [](auto&) {},
     [](auto& t) {
         t.drag({99, 15}, {140, 15});
     }},
    {"a run of arrow keys",
     [](auto& t) {
         t.select({0, 1});
     },
     [](auto& t) {
         t.key(Qt::Key_Right);
         t.key(Qt::Key_Right, Qt::ShiftModifier);
         t.key(Qt::Key_Down);
     }},
    {"cut and paste",
     [](auto& t) {
         t.select({0, 3});
     },
     [](auto& t) {
         t.action("cutMenuItem")->trigger();
         t.action("pasteMenuItem")->trigger();
     },
     2},
    {"paste look on many buttons",
     [](auto& t) {
         t.applet().statePanel(2, 0)->setBkColor(0x0000FF);
         t.select({0});
         t.action("copyLookMenuItem")->trigger();
         t.action("selectAllMenuItem")->trigger();
     },
     [](auto& t) { t.action("pasteLookMenuItem")->trigger(); }},
    {"deleting in a full applet",
     [](auto& t) {
         t.useFullApplet();
         t.select({50, 98});
         t.dialogs.answers.push_back(UserDialogs::Answer::Yes);
     },
     [](auto& t) { t.action("deleteMenuItem")->trigger(); }},
};

TEST_F(UndoThroughWindows, EveryGestureIsUndoneAndRedoneExactly) {
    for (const Gesture& gesture : kGestures) {
        SCOPED_TRACE(gesture.name);
        main.reset();
        dialogs = ScriptedDialogs();
        SetUp();
        main->show();
        main->properties()->show();
        gesture.setUp(*this);
        const std::string before = bytes();
        QUndoStack* stack = main->document().undoStack();
        const int steps = stack->count();

        gesture.run(*this);
        // Typing ends where the focus leaves the field.
        main->setFocus();
        const std::string after = bytes();
        EXPECT_NE(after, before) << "the gesture changed nothing";
        EXPECT_EQ(stack->count(), steps + gesture.steps);
        EXPECT_TRUE(applet().modified());
        if (gesture.undoName) {
            EXPECT_EQ(action("undoMenuItem")->text().toStdString(),
                      std::string("Undo ") + gesture.undoName);
        }

        for (int i = 0; i < gesture.steps; ++i) action("undoMenuItem")->trigger();
        EXPECT_EQ(bytes(), before);
        for (int i = 0; i < gesture.steps; ++i) action("redoMenuItem")->trigger();
        EXPECT_EQ(bytes(), after);
    }
}

}  // namespace
}  // namespace wendle::testing
