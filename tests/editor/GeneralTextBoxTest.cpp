#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "EditorFixture.h"
#include "editor/GeneralTab.h"
#include "editor/GeneralTexts.h"

namespace wendle::testing {
namespace {

class TextBoxSettings : public EditorFixture {
  public:
    template <typename T>
    T* control(const char* name) {
        T* found = main->generalTab()->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    Bounds textBoxBounds() {
        const TvelkTextBox& box = applet().textBox();
        return {box.left, box.top, box.width, box.height};
    }
};

// One change of a text box setting made while the text box is off.
struct SettingCase {
    const char* what;
    std::function<void(TextBoxSettings&)> change;
    // The applet and the text box panel took the change.
    std::function<bool(const TVelkForm&)> applied;
    // The control shows the applet's (unchanged) value again.
    std::function<bool(TextBoxSettings&)> showsOldValue;
};

std::vector<SettingCase> settingCases() {
    return {
        // One step down each list: from TimesRoman to Courier, from 12 to 14.
        {"font",
         [](TextBoxSettings& t) { QTest::keyClick(t.control<QComboBox>("cfont2"), Qt::Key_Down); },
         [](const TVelkForm& a) { return a.textBoxFont() == 1 && a.textBox().typeface == 1; },
         [](TextBoxSettings& t) { return t.control<QComboBox>("cfont2")->currentIndex() == 0; }},
        {"size",
         [](TextBoxSettings& t) {
             QTest::keyClick(t.control<QComboBox>("cfontsize2"), Qt::Key_Down);
         },
         [](const TVelkForm& a) {
             return a.textBoxFontSize() == 14 && a.textBox().pointSize == 10;
         },
         [](TextBoxSettings& t) {
             return t.control<QComboBox>("cfontsize2")->currentText() == "12";
         }},
        {"style", [](TextBoxSettings& t) { t.control<QToolButton>("bBold2")->click(); },
         [](const TVelkForm& a) { return a.textBoxFontStyle() == 2 && a.textBox().fontStyle == 2; },
         [](TextBoxSettings& t) {
             return t.control<QToolButton>("bplain2")->isChecked() &&
                    !t.control<QToolButton>("bBold2")->isChecked();
         }},
    };
}

TEST_F(TextBoxSettings, DecliningToTurnTheTextBoxOnDropsTheChange) {
    for (const UserDialogs::Answer answer :
         {UserDialogs::Answer::No, UserDialogs::Answer::Cancel}) {
        for (const SettingCase& c : settingCases()) {
            applet().setModified(false);
            dialogs.questions.clear();
            dialogs.answers = {answer};
            c.change(*this);
            EXPECT_EQ(dialogs.questions, QStringList{texts::general::kTurnTextBoxOn}) << c.what;
            EXPECT_FALSE(c.applied(applet())) << c.what;
            EXPECT_TRUE(c.showsOldValue(*this)) << c.what;
            EXPECT_EQ(applet().textBoxVisible(), 0) << c.what;
            EXPECT_FALSE(applet().modified()) << c.what;
        }
    }
}

TEST_F(TextBoxSettings, AgreeingTurnsTheTextBoxOnUnderTheLowestButtonAndApplies) {
    for (const SettingCase& c : settingCases()) {
        main->documentCommands().resetDocument();
        for (int i = 0; i < 4; ++i) applet().CreateMenuItem();
        applet().setModified(false);
        dialogs.answers = {UserDialogs::Answer::Yes};
        c.change(*this);
        EXPECT_TRUE(c.applied(applet())) << c.what;
        EXPECT_EQ(applet().textBoxVisible(), 1) << c.what;
        EXPECT_TRUE(control<QCheckBox>("CheckBox2")->isChecked()) << c.what;
        // Four buttons of 30 from top 30: the lowest ends at 150.
        EXPECT_EQ(textBoxBounds(), (Bounds{5, 150, 95, 26})) << c.what;
        EXPECT_EQ(applet().clientHeight(), 150 + 4 + 27) << c.what;
        EXPECT_TRUE(applet().modified()) << c.what;
    }
}

TEST_F(TextBoxSettings, ShowingTheTextBoxWithoutButtonsPutsItInsideTheBorder) {
    for (int slot = 0; slot < 4; ++slot) applet().deleteButton(slot);
    applet().setClientSize(105, 40);
    main->preview()->followAppletSize();
    control<QCheckBox>("CheckBox2")->click();
    // One pixel inside the border of 4, at the applet's top (client y 25).
    EXPECT_EQ(textBoxBounds(), (Bounds{5, 30, 95, 26}));
    EXPECT_EQ(applet().textBoxBounds().left, 5);
    EXPECT_EQ(applet().textBoxBounds().top, 30);
    EXPECT_GE(applet().clientHeight(), 31);
    EXPECT_EQ(applet().clientHeight(), 30 + 4 + 27);
    EXPECT_EQ(main->preview()->height(), 61);
    EXPECT_EQ(control<QSpinBox>("eAppletHeight")->value(), 36);
    EXPECT_EQ(control<QSpinBox>("SpinEdit1")->value(), 95);
    EXPECT_EQ(control<QSpinBox>("SpinEdit2")->value(), 26);
}

TEST_F(TextBoxSettings, ShowingTheTextBoxNeverShrinksTheApplet) {
    applet().setClientSize(300, 400);
    control<QCheckBox>("CheckBox2")->click();
    EXPECT_EQ(applet().clientHeight(), 400);
}

TEST_F(TextBoxSettings, HidingTheTextBoxPutsItOutOfSight) {
    auto* show = control<QCheckBox>("CheckBox2");
    show->click();
    applet().setModified(false);
    show->click();
    EXPECT_EQ(applet().textBoxVisible(), 0);
    EXPECT_EQ(textBoxBounds(), (Bounds{-2, 150, 1, 1}));
    EXPECT_TRUE(applet().modified());
}

TEST_F(TextBoxSettings, FontColourGoesToTheAppletAndThePanel) {
    control<QCheckBox>("CheckBox2")->click();
    applet().setModified(false);
    control<QPushButton>("SpeedButton3")->click();  // cancelled
    EXPECT_EQ(applet().textBoxTextColor(), Colour{0x00FFFFFF});
    EXPECT_FALSE(applet().modified());
    dialogs.colours.push_back(Colour{0x000000FF});
    control<QPushButton>("SpeedButton3")->click();
    EXPECT_EQ(applet().textBoxTextColor(), Colour{0x000000FF});
    EXPECT_TRUE(applet().modified());
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(TextBoxSettings, OtherEditorsCanAskForTheTextBox) {
    dialogs.answers = {UserDialogs::Answer::No, UserDialogs::Answer::Yes};
    EXPECT_FALSE(main->generalTab()->ensureTextBoxShown());
    EXPECT_TRUE(main->generalTab()->ensureTextBoxShown());
    EXPECT_TRUE(main->generalTab()->ensureTextBoxShown());
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(applet().textBoxVisible(), 1);
}

}  // namespace
}  // namespace wendle::testing
