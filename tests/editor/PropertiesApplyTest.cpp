#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "PropertiesFixture.h"
#include "editor/Encoding.h"
#include "model/Messages.h"

namespace wendle::testing {
namespace {

using PropertiesApply = PropertiesFixture;

constexpr Colour kRose = 0x008040FF;

TEST_F(PropertiesApply, AColourGoesToTheActiveStatesOfEverySelectedButton) {
    struct Case {
        bool applyToAll;
        std::array<bool, 3> changedStates;
    };
    for (const Case& c : {Case{false, {false, true, false}}, Case{true, {true, true, true}}}) {
        restart();
        select({0, 1});
        showTab(2);
        setApplyToAll(c.applyToAll);
        applet().setModified(false);
        dialogs.colours.push_back(kRose);
        click("BFontColor2");

        EXPECT_TRUE(applet().modified());
        for (int ordinal : {0, 1, 2}) {
            for (int state = 1; state <= 3; ++state) {
                const bool changed = ordinal < 2 && c.changedStates[std::size_t(state - 1)];
                EXPECT_EQ(panel(state, ordinal).fontColor() == kRose, changed)
                    << "apply to all " << c.applyToAll << ", button " << ordinal << ", state "
                    << state;
            }
        }
    }
}

TEST_F(PropertiesApply, ACancelledColourDialogGivesEveryButtonTheFirstOnesColour) {
    panel(1, 0).setBkColor(0x00112233);
    panel(1, 1).setBkColor(0x00445566);
    panel(1, 2).setBkColor(0x00778899);
    select({0, 1, 2});
    showTab(1);
    click("bBkColor");
    EXPECT_EQ(dialogs.colourStarts, QList<Colour>{0x00112233});
    for (int ordinal : {0, 1, 2}) EXPECT_EQ(panel(1, ordinal).bkColor(), 0x00112233u);
}

TEST_F(PropertiesApply, HighlightColourStartsFromItsOwnTabsState) {
    panel(1, 0).setHighlightColor(0x00000001);
    panel(3, 0).setHighlightColor(0x00000003);
    select({0});
    showTab(3);
    click("highlight3");
    dialogs.colours.push_back(kRose);
    click("btnHighlt3");
    EXPECT_EQ(dialogs.colourStarts, QList<Colour>{0x00000003});
    EXPECT_EQ(panel(1, 0).highlightColor(), kRose);  // all three states are active
    EXPECT_TRUE(panel(3, 0).showHighlight());
}

TEST_F(PropertiesApply, NothingSelectedShowsTheMessageAndChangesNothing) {
    applet().setModified(false);
    showTab(1);
    click("bFontColor");
    type("eBorderWidth", "7");
    EXPECT_EQ(dialogs.messages, QStringList(2, "You do not have any buttons selected."));
    EXPECT_TRUE(dialogs.colourStarts.isEmpty());
    EXPECT_FALSE(applet().modified());
    EXPECT_EQ(panel(1, 0).borderWidth(), 2);
}

TEST_F(PropertiesApply, TextsWithForbiddenCharactersAreRefusedAndKept) {
    struct Case {
        int tab;
        const char* field;
        QString typed;
        const char* message;  // none: accepted
        std::function<std::string(TVelkPanel&)> stored;
        int state;  // the panel the field writes to
    };
    const auto caption = [](TVelkPanel& p) { return p.caption(); };
    const auto status = [](TVelkPanel& p) { return p.status(); };
    const auto link = [](TVelkPanel& p) { return p.link(); };
    const auto hint = [](TVelkPanel& p) { return p.hintText(); };
    const auto image = [](TVelkPanel& p) { return p.imageName(); };
    const std::vector<Case> cases = {
        {1, "eText", "|", messages::kCheckCharacters, caption, 1},
        {2, "eText2", "~", messages::kCheckCharacters, caption, 2},
        {3, "eText3", "\"", messages::kCheckCharacters, caption, 3},
        {2, "itemStatusEdit", "~a", messages::kCheckCharacters, status, 2},
        {2, "eHintText", "|a", messages::kCheckCharacters, hint, 1},
        {3, "itemLinkEdit", "\"", messages::kCheckCharacters2, link, 1},
        {3, "itemLinkEdit", "~", nullptr, link, 1},
        {1, "eBkImage", "\"a", messages::kCheckCharacters2, image, 1},
    };
    for (const Case& c : cases) {
        restart();
        select({0});
        showTab(c.tab);
        auto* field = control(c.field);
        const auto fieldText = [field] {
            if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
                return memo->toPlainText();
            return qobject_cast<QLineEdit*>(field)->text();
        };
        const QString before = fieldText();
        const std::string storedBefore = c.stored(panel(c.state, 0));
        type(c.field, c.typed);

        EXPECT_EQ(fieldText(), before + c.typed) << c.field;
        if (c.message) {
            ASSERT_FALSE(dialogs.messages.isEmpty()) << c.field;
            EXPECT_EQ(dialogs.messages.last(), c.message) << c.field;
            EXPECT_EQ(c.stored(panel(c.state, 0)), storedBefore) << c.field;
        } else {
            EXPECT_TRUE(dialogs.messages.isEmpty()) << c.field;
            EXPECT_EQ(c.stored(panel(c.state, 0)), fromQString(before + c.typed)) << c.field;
        }
    }
}

TEST_F(PropertiesApply, TheNextAcceptedChangeAppliesTheWholeField) {
    select({0});
    showTab(1);
    retype("eText", "A|");
    EXPECT_EQ(panel(1, 0).caption(), "A");
    QTest::keyClick(control("eText"), Qt::Key_Backspace);
    EXPECT_EQ(panel(1, 0).caption(), "A");
    QTest::keyClick(control("eText"), Qt::Key_Return);
    type("eText", "B");
    EXPECT_EQ(panel(1, 0).caption(), "A\r\nB");
    EXPECT_TRUE(panel(1, 0).modified());
}

TEST_F(PropertiesApply, TypedTextIsStoredAsWindows1252) {
    select({0});
    showTab(2);
    // Keys beyond ASCII arrive as text with no key code of their own.
    QWidget* field = control("itemStatusEdit");
    for (QChar letter : QString::fromUtf8("é€ł"))
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(letter), {});
    EXPECT_EQ(panel(2, 0).status(), "\xE9\x80?");
}

TEST_F(PropertiesApply, StatusSetOnMouseOverStaysWhenTheTabChanges) {
    select({0});
    showTab(2);
    setApplyToAll(false);
    type("itemStatusEdit", "Our shop");
    showTab(1);
    EXPECT_EQ(panel(2, 0).status(), "Our shop");
    EXPECT_EQ(panel(1, 0).status(), "");
    EXPECT_EQ(panel(3, 0).status(), "");
    EXPECT_EQ(control<QLineEdit>("itemStatusEdit")->text(), "Our shop");
}

TEST_F(PropertiesApply, ButtonWideSettingsGoToStateOneWhateverIsActive) {
    select({0, 1});
    showTab(3);
    setApplyToAll(false);
    type("itemLinkEdit", "shop.html");
    choose("itemFrameEdit", "_blank");
    showTab(2);
    choose("cHintFont", "Courier");
    choose("eHintFontSize", "20");
    click("bHintBold");
    for (int ordinal : {0, 1}) {
        EXPECT_EQ(panel(1, ordinal).link(), "shop.html");
        EXPECT_EQ(panel(1, ordinal).frame(), "_blank");
        EXPECT_EQ(panel(1, ordinal).hintFont(), 1);
        EXPECT_EQ(panel(1, ordinal).hintSize(), 20);
        EXPECT_EQ(panel(1, ordinal).hintStyle(), 2);
        EXPECT_EQ(panel(2, ordinal).link(), "");
        EXPECT_EQ(panel(3, ordinal).hintSize(), 12);
    }
}

TEST_F(PropertiesApply, SizeAndPositionGoToAllThreeStates) {
    select({0, 1});
    showTab(1);
    setApplyToAll(false);
    retype("eItemWidth", "120");
    retype("itemYEdit", "60");
    for (int ordinal : {0, 1}) {
        for (int state = 1; state <= 3; ++state) {
            EXPECT_EQ(panel(state, ordinal).width(), 120);
            EXPECT_EQ(panel(state, ordinal).top(), 60);
        }
    }
}

TEST_F(PropertiesApply, AClearedNumberFieldAppliesNothing) {
    select({0});
    showTab(1);
    applet().setModified(false);
    QWidget* field = control("eBorderWidth");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(control<QSpinBox>("eBorderWidth")->text(), "");
    EXPECT_EQ(panel(1, 0).borderWidth(), 2);
    EXPECT_FALSE(applet().modified());
}

TEST_F(PropertiesApply, DraggingAboveTheWidthFieldCountsUp) {
    panel(1, 0).setWidth(100);
    select({0});
    showTab(1);
    auto* field = control<QSpinBox>("eItemWidth");
    ASSERT_EQ(field->value(), 100);
    auto* text = field->findChild<QLineEdit*>();
    const QPoint inside = text->rect().center();
    const auto at = [&](int y) { return text->mapFrom(field, QPoint(field->width() / 2, y)); };

    QTest::mousePress(text, Qt::LeftButton, {}, inside);
    QTest::mouseMove(text, at(field->height() / 2));
    EXPECT_EQ(field->value(), 100) << "inside the field nothing happens";
    QTest::mouseMove(text, at(-30));
    EXPECT_EQ(field->value(), 130);
    for (int state = 1; state <= 3; ++state) EXPECT_EQ(panel(state, 0).width(), 130);
    QTest::mouseMove(text, at(field->height() + 40));
    EXPECT_EQ(field->value(), 60);
    QTest::mouseMove(text, at(field->height() + 500));
    EXPECT_EQ(field->value(), 0) << "kept within the range";
    QTest::mouseRelease(text, Qt::LeftButton, {}, at(field->height() + 500));
    QTest::mouseMove(text, at(-30));
    EXPECT_EQ(field->value(), 0) << "released: the pointer no longer counts";
}

TEST_F(PropertiesApply, UseShadowFollowsOnEveryActiveTab) {
    select({0});
    showTab(1);
    click("chFontShadow");
    for (int state = 1; state <= 3; ++state) EXPECT_TRUE(panel(state, 0).fontShadow());
    for (const char* box : {"chFontShadow", "chFontShadow2", "chFontShadow3"})
        EXPECT_TRUE(control<QCheckBox>(box)->isChecked()) << box;
    for (const char* button : {"bFontShadowClr", "bFontShadowClr2", "bFontShadowClr3"})
        EXPECT_TRUE(control(button)->isEnabled()) << button;
}

TEST_F(PropertiesApply, BorderStyleSwitchesItsTabsShadingField) {
    select({0});
    showTab(1);
    setApplyToAll(false);
    choose("cBorderStyle", "Raised Bump");
    EXPECT_TRUE(control("eBorderShading")->isEnabled());
    EXPECT_EQ(panel(1, 0).borderStyle(), 3);
    EXPECT_TRUE(panel(1, 0).raised());
    choose("cBorderStyle", "Lowered Bevel");
    EXPECT_FALSE(control("eBorderShading")->isEnabled());
    EXPECT_EQ(panel(1, 0).borderStyle(), 2);
    EXPECT_FALSE(panel(1, 0).raised());

    showTab(3);
    choose("cBorderStyle3", "Raised Frame");
    EXPECT_FALSE(control("eBorderShading3")->isEnabled());
    EXPECT_FALSE(control("eBorderShading")->isEnabled());
    // After a refill each tab follows its own state's style.
    main->updatePropertiesWindow();
    EXPECT_FALSE(control("eBorderShading")->isEnabled());
    EXPECT_TRUE(control("eBorderShading2")->isEnabled());
    EXPECT_FALSE(control("eBorderShading3")->isEnabled());
}

TEST_F(PropertiesApply, ImageAlignmentSwitchesItsTabsPositionFields) {
    select({0});
    showTab(2);
    choose("cImageAlign2", "Free");
    EXPECT_TRUE(control("eImageX2")->isEnabled());
    EXPECT_TRUE(control("eImageY2")->isEnabled());
    choose("cImageAlign2", "Tile");
    EXPECT_FALSE(control("eImageX2")->isEnabled());
    EXPECT_EQ(panel(2, 0).imageStyle(), 4);
}

TEST_F(PropertiesApply, TransparentTurnsTheGradientOffAndDisablesIt) {
    select({0});
    showTab(1);
    setApplyToAll(false);
    ASSERT_TRUE(panel(1, 0).fade());
    click("CheckBox2");
    EXPECT_TRUE(panel(1, 0).transparentBk());
    EXPECT_FALSE(panel(1, 0).fade());
    EXPECT_TRUE(panel(2, 0).fade());
    EXPECT_FALSE(control<QCheckBox>("chkGradient")->isChecked());
    for (const char* name : {"chkGradient", "bGradientColor", "bBkColor"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    EXPECT_TRUE(control("bBkColor2")->isEnabled());

    click("CheckBox2");
    EXPECT_FALSE(panel(1, 0).transparentBk());
    for (const char* name : {"chkGradient", "bBkColor"})
        EXPECT_TRUE(control(name)->isEnabled()) << name;
}

TEST_F(PropertiesApply, GradientAndHighlightEnableTheirColourButtons) {
    select({0});
    showTab(1);
    click("chkGradient");
    EXPECT_FALSE(panel(2, 0).fade());
    for (const char* name : {"bGradientColor", "bGradientColor2", "bGradientColor3"})
        EXPECT_FALSE(control(name)->isEnabled()) << name;
    click("highlight1");
    EXPECT_TRUE(panel(3, 0).showHighlight());
    for (const char* name : {"btnHighlt1", "btnHighlt2", "btnHighlt3"})
        EXPECT_TRUE(control(name)->isEnabled()) << name;
}

TEST_F(PropertiesApply, FontStyleAlignmentAndSizeGoToTheActiveStates) {
    select({0});
    showTab(3);
    setApplyToAll(false);
    click("BBold3");
    click("alignRightButton3");
    choose("cFontSize3", "36");
    choose("cFont3", "TimesRoman");
    EXPECT_EQ(panel(3, 0).fontStyle(), 2);
    EXPECT_EQ(panel(3, 0).fontAlignment(), 3);
    EXPECT_EQ(panel(3, 0).fontSize(), 36);
    EXPECT_EQ(panel(3, 0).fontName(), 0);
    EXPECT_EQ(panel(1, 0).fontStyle(), 0);
    EXPECT_EQ(panel(1, 0).fontSize(), 14);
}

TEST_F(PropertiesApply, TextBoxMessageAsksToTurnTheTextBoxOn) {
    select({0});
    showTab(1);
    ASSERT_FALSE(applet().textBoxVisible());
    type("eTextBox", "W");
    EXPECT_EQ(dialogs.questions,
              QStringList{"The Text Box is not turned on, would you like to turn it on? (If "
                          "you do not the changes you are making will not show up.)"});
    EXPECT_EQ(panel(1, 0).textBoxText(), "");

    dialogs.answers.push_back(UserDialogs::Answer::Yes);
    type("eTextBox", "e");
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_TRUE(applet().textBoxVisible());
    EXPECT_EQ(panel(1, 0).textBoxText(), "We");
    type("eTextBox", "!");
    EXPECT_EQ(dialogs.questions.size(), 2) << "the text box is on now";
    EXPECT_EQ(panel(1, 0).textBoxText(), "We!");
}

}  // namespace
}  // namespace wendle::testing
