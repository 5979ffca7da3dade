#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <initializer_list>

#include "EditorFixture.h"
#include "editor/Properties.h"
#include "model/Editing.h"

namespace wendle::testing {

// The button properties window of a start-up applet (four buttons, all
// three states active, "On Click" shown), on screen and driven through its
// controls' names.
class PropertiesFixture : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        window()->show();
    }

    // A fresh start for the next row of a table of cases.
    void restart() {
        main.reset();
        dialogs = ScriptedDialogs();
        SetUp();
    }

    TPropertiesWindow* window() { return main->properties(); }

    template <typename T = QWidget>
    T* control(const char* name) {
        T* found = window()->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }

    // The slot of the button at this position in the list.
    int slot(int ordinal) { return applet().usedSlots().at(std::size_t(ordinal)); }
    TVelkPanel& panel(int state, int ordinal) { return *applet().statePanel(state, slot(ordinal)); }

    // Selects buttons by ordinal, as the preview does, and refills the
    // window from the first.
    void select(std::initializer_list<int> ordinals) {
        UnselectAll(applet());
        for (int ordinal : ordinals) SelectOneItem(applet(), slot(ordinal));
        main->updatePropertiesWindow();
    }

    void showTab(int state) {
        QTabBar* bar = control<QTabWidget>("PageControl2")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(state - 1).center());
    }

    void click(const char* name) {
        auto* button = control<QAbstractButton>(name);
        // A check box answers to its box, not to the empty space beside it.
        const QPoint at = qobject_cast<QCheckBox*>(button) ? QPoint(6, button->height() / 2)
                                                           : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }

    void setApplyToAll(bool on) {
        if (control<QCheckBox>("CheckBox3")->isChecked() != on)
            click("CheckBox3");
    }

    // Types at the end of a field, as a user who clicked into it would.
    void type(const char* name, const QString& text) {
        QWidget* field = control(name);
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, text);
    }
    // Selects the field's whole text and types over it.
    void retype(const char* name, const QString& text) {
        QWidget* field = control(name);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }

    // Walks a list with the arrow keys until the item shows.
    void choose(const char* name, const QString& item) {
        auto* box = control<QComboBox>(name);
        const int target = box->findText(item);
        ASSERT_GE(target, 0) << item.toStdString();
        while (box->currentIndex() != target) {
            const int before = box->currentIndex();
            QTest::keyClick(box, box->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
            ASSERT_NE(box->currentIndex(), before) << "stuck in " << name;
        }
    }
};

}  // namespace wendle::testing
