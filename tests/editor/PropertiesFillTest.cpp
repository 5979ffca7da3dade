#include <QPlainTextEdit>
#include <QSpinBox>

#include "PropertiesFixture.h"

namespace wendle::testing {
namespace {

using PropertiesFill = PropertiesFixture;

QString comboText(QComboBox* box) {
    return box->currentText();
}

TEST_F(PropertiesFill, ShowsTheFirstSelectedButton) {
    TVelkPanel& first = panel(1, 1);
    first.setCaption("Our\r\nShop");
    first.setLink(" ");
    first.setFrame("_top");
    first.setHintText("Go shopping");
    first.setHintFont(0);
    first.setHintSize(20);
    first.setHintStyle(1);
    first.setTextBoxText("Welcome");
    first.setBorderWidth(5);
    first.setBorderShading(40);
    first.setFontSize(36);
    first.setFontStyle(2);
    first.setFontAlignment(3);
    first.setFontShadow(true);
    first.setImageName(" ");
    first.setImageStyle(0);
    first.setImageX(7);
    first.setImageY(-3);
    panel(2, 1).setStatus("Our shop");
    panel(3, 1).setSoundName("ding.au");
    panel(3, 1).setBorderStyle(1);
    panel(3, 1).setRaised(true);
    panel(1, 0).setBorderWidth(9);  // the second selected button shows nowhere

    select({1, 0});

    EXPECT_EQ(control<QPlainTextEdit>("eText")->toPlainText(), "Our\nShop");
    EXPECT_EQ(control<QLineEdit>("itemLinkEdit")->text(), "") << "one space is the empty value";
    EXPECT_EQ(comboText(control<QComboBox>("itemFrameEdit")), "_top");
    EXPECT_EQ(control<QLineEdit>("itemStatusEdit")->text(), "Our shop");
    EXPECT_EQ(control<QLineEdit>("eHintText")->text(), "Go shopping");
    EXPECT_EQ(comboText(control<QComboBox>("cHintFont")), "TimesRoman");
    EXPECT_EQ(comboText(control<QComboBox>("eHintFontSize")), "20");
    EXPECT_TRUE(control<QAbstractButton>("bHintItalic")->isChecked());
    EXPECT_EQ(control<QLineEdit>("eTextBox")->text(), "Welcome");
    EXPECT_EQ(control<QSpinBox>("eBorderWidth")->value(), 5);
    EXPECT_EQ(control<QSpinBox>("eBorderShading")->value(), 40);
    EXPECT_EQ(comboText(control<QComboBox>("cFontSize")), "36");
    EXPECT_TRUE(control<QAbstractButton>("bBold")->isChecked());
    EXPECT_TRUE(control<QAbstractButton>("alignRightButton")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("chFontShadow")->isChecked());
    EXPECT_TRUE(control("bFontShadowClr")->isEnabled());
    EXPECT_FALSE(control("bFontShadowClr2")->isEnabled());
    EXPECT_EQ(control<QLineEdit>("eBkImage")->text(), "");
    EXPECT_EQ(comboText(control<QComboBox>("cImageAlign")), "Free");
    EXPECT_EQ(control<QSpinBox>("eImageX")->value(), 7);
    EXPECT_EQ(control<QSpinBox>("eImageY")->value(), -3);
    EXPECT_TRUE(control("eImageX")->isEnabled());
    EXPECT_FALSE(control("eImageX2")->isEnabled()) << "state 2 keeps its image on the left";
    EXPECT_EQ(control<QLineEdit>("sound3")->text(), "ding.au");
    EXPECT_EQ(comboText(control<QComboBox>("cBorderStyle3")), "Raised Frame");
    EXPECT_EQ(comboText(control<QComboBox>("cBorderStyle2")), "Lowered Bump");
    EXPECT_FALSE(control("eBorderShading3")->isEnabled());
    EXPECT_TRUE(control("eBorderShading2")->isEnabled());

    const TVelkPanel& state1 = panel(1, 1);
    EXPECT_EQ(control<QSpinBox>("eItemWidth")->value(), state1.width());
    EXPECT_EQ(control<QSpinBox>("eItemHeight")->value(), state1.height());
    EXPECT_EQ(control<QSpinBox>("itemXEdit")->value(), state1.left());
    EXPECT_EQ(control<QSpinBox>("itemYEdit")->value(), state1.top());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "refilling is not an edit";
    EXPECT_EQ(panel(1, 0).borderWidth(), 9);
}

TEST_F(PropertiesFill, ASizeOutsideTheListLeavesTheBox) {
    panel(1, 0).setFontSize(36);
    panel(1, 1).setFontSize(15);
    panel(1, 1).setHintSize(9);
    select({0});
    select({1});
    EXPECT_EQ(comboText(control<QComboBox>("cFontSize")), "36");
    EXPECT_EQ(comboText(control<QComboBox>("eHintFontSize")), "12");
    EXPECT_EQ(panel(1, 1).fontSize(), 15) << "refilling stores nothing";
}

TEST_F(PropertiesFill, ATransparentStateDisablesItsBackgroundControls) {
    panel(2, 0).setTransparentBk(true);
    panel(3, 0).setFade(false);
    select({0});
    EXPECT_TRUE(control<QCheckBox>("CheckBox22")->isChecked());
    for (const char* name : {"chkGradient2", "bGradientColor2", "bBkColor2"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    EXPECT_FALSE(control<QCheckBox>("chkGradient2")->isChecked());
    EXPECT_TRUE(control("chkGradient3")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>("chkGradient3")->isChecked());
    EXPECT_FALSE(control("bGradientColor3")->isEnabled());
    EXPECT_TRUE(control("bGradientColor")->isEnabled());
}

TEST_F(PropertiesFill, NothingSelectedLeavesTheWindowAsItWas) {
    select({0});
    UnselectAll(applet());
    panel(1, 0).setBorderWidth(8);
    main->updatePropertiesWindow();
    EXPECT_EQ(control<QSpinBox>("eBorderWidth")->value(), 2);
}

TEST_F(PropertiesFill, TheTabDecidesTheActiveAndShownStateUnlessAllAreTicked) {
    select({0});
    setApplyToAll(false);
    EXPECT_EQ(applet().activeStates(), (std::array<bool, 3>{false, false, true}));
    showTab(2);
    EXPECT_EQ(applet().activeStates(), (std::array<bool, 3>{false, true, false}));
    for (int ordinal = 0; ordinal < 4; ++ordinal) {
        EXPECT_FALSE(panel(1, ordinal).visible());
        EXPECT_TRUE(panel(2, ordinal).visible());
        EXPECT_FALSE(panel(3, ordinal).visible());
    }

    setApplyToAll(true);
    EXPECT_EQ(applet().activeStates(), (std::array<bool, 3>{true, true, true}));
    showTab(3);
    EXPECT_EQ(applet().activeStates(), (std::array<bool, 3>{true, true, true}));
    for (int ordinal = 0; ordinal < 4; ++ordinal) {
        EXPECT_TRUE(panel(1, ordinal).visible());
        EXPECT_FALSE(panel(2, ordinal).visible());
    }
}

TEST_F(PropertiesFill, ATabChangeShowsValuesChangedElsewhere) {
    select({0});
    showTab(1);
    panel(2, 0).setBorderWidth(6);  // say, by another window
    showTab(2);
    EXPECT_EQ(control<QSpinBox>("eBorderWidth2")->value(), 6);
}

TEST_F(PropertiesFill, TheDocumentSetUpTicksApplyToAllWithoutTouchingTheApplet) {
    select({0});
    setApplyToAll(false);
    ASSERT_EQ(applet().activeStates(), (std::array<bool, 3>{false, false, true}));
    window()->setApplyToAllStates(true);
    EXPECT_TRUE(control<QCheckBox>("CheckBox3")->isChecked());
    EXPECT_EQ(applet().activeStates(), (std::array<bool, 3>{false, false, true}));
}

TEST_F(PropertiesFill, ANewDocumentStartsWithApplyToAllTicked) {
    setApplyToAll(false);
    main->documentCommands().resetDocument();
    EXPECT_TRUE(control<QCheckBox>("CheckBox3")->isChecked());
    EXPECT_EQ(control<QTabWidget>("PageControl2")->currentIndex(), 2);
}

}  // namespace
}  // namespace wendle::testing
