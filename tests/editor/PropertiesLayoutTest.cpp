#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "PropertiesFixture.h"

namespace wendle::testing {
namespace {

using PropertiesLayout = PropertiesFixture;

// Every control the product names, tab by tab.
const std::vector<std::vector<const char*>> kControlsByTab = {
    {"eText",          "cFont",        "cFontSize",      "bPlain",           "bItalic",
     "bBold",          "AlignLeftBtn", "AlignCenterBtn", "alignRightButton", "bFontColor",
     "bFontShadowClr", "chFontShadow", "eBorderWidth",   "cBorderStyle",     "eBorderShading",
     "bBorderColor",   "bBkColor",     "chkGradient",    "bGradientColor",   "eBkImage",
     "bBkImageBrowse", "cImageAlign",  "eImageX",        "eImageY",          "CheckBox2",
     "highlight1",     "btnHighlt1",   "sound1",         "SpeedButton19",    "eItemWidth",
     "eItemHeight",    "itemXEdit",    "itemYEdit",      "eTextBox"},
    {"eText2",          "cfont2",         "cfontsize2",      "bplain2",         "BItalic2",
     "bBold2",          "AlignLeftBtn2",  "AlignCtrButton2", "AlignRightBtn2",  "BFontColor2",
     "bFontShadowClr2", "chFontShadow2",  "eBorderWidth2",   "cBorderStyle2",   "eBorderShading2",
     "bBorderColor2",   "bBkColor2",      "chkGradient2",    "bGradientColor2", "eBkImage2",
     "bBkImageBrowse2", "cImageAlign2",   "eImageX2",        "eImageY2",        "CheckBox22",
     "highlight2",      "btnHighlt2",     "sound2",          "SpeedButton24",   "itemStatusEdit",
     "eHintText",       "cHintFont",      "eHintFontSize",   "bHintPlain",      "bHintItalic",
     "bHintBold",       "bHintFontColor", "bHintBkColor",    "bHintBdrClr"},
    {"eText3",          "cFont3",        "cFontSize3",      "bPlain3",           "bItalic3",
     "BBold3",          "AlignLeftBtn3", "AlignCenterBtn3", "alignRightButton3", "SpeedButton32",
     "bFontShadowClr3", "chFontShadow3", "eBorderWidth3",   "cBorderStyle3",     "eBorderShading3",
     "bBorderColor3",   "bBkColor3",     "chkGradient3",    "bGradientColor3",   "eBkImage3",
     "bBkImageBrowse3", "cImageAlign3",  "eImageX3",        "eImageY3",          "CheckBox23",
     "highlight3",      "btnHighlt3",    "sound3",          "SpeedButton23",     "itemLinkEdit",
     "btnBrowseLink",   "itemFrameEdit"},
};

TEST_F(PropertiesLayout, EveryNamedControlSitsOnItsTab) {
    auto* pages = control<QTabWidget>("PageControl2");
    ASSERT_EQ(pages->count(), 3);
    for (int tab = 0; tab < 3; ++tab) {
        for (const char* name : kControlsByTab[std::size_t(tab)]) {
            QWidget* widget = window()->findChild<QWidget*>(name);
            ASSERT_NE(widget, nullptr) << name << " is missing";
            EXPECT_TRUE(pages->widget(tab)->isAncestorOf(widget))
                << name << " is not on tab " << tab + 1;
        }
    }
    EXPECT_NE(window()->findChild<QCheckBox*>("CheckBox3"), nullptr);
    EXPECT_NE(window()->findChild<QAbstractButton*>("SpeedButton10"), nullptr);
}

TEST_F(PropertiesLayout, CaptionsAreTheProductsOwn) {
    EXPECT_EQ(window()->windowTitle(), "Button Properties");
    auto* pages = control<QTabWidget>("PageControl2");
    EXPECT_EQ(pages->tabText(0), "On Load");
    EXPECT_EQ(pages->tabText(1), "On MouseOver");
    EXPECT_EQ(pages->tabText(2), "On Click");

    const std::vector<std::pair<const char*, QString>> captions = {
        {"CheckBox3", "Apply all changes to \"On Load\", \"On MouseOver\" and \"On Click\""},
        {"SpeedButton10", "&Close"},
        {"bFontColor", "Fo&nt Color"},
        {"BFontColor2", "Fo&nt Color"},
        {"SpeedButton32", "Fo&nt Color"},
        {"bFontShadowClr2", "Font &Shadow Color"},
        {"chFontShadow3", "Use Shadow"},
        {"bBorderColor", "Colo&r"},
        {"bBkColor2", "&Background Color"},
        {"bGradientColor3", "&Fade Color"},
        {"chkGradient", "Gradient Fill"},
        {"CheckBox22", "Transparent"},
        {"highlight3", "Show Highlight Box"},
        {"btnHighlt1", "Color"},
        {"bHintFontColor", "Fon&t Color"},
        {"bHintBdrClr", "Border C&olor"},
        {"bHintBkColor", "Back&ground Color"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(control<QAbstractButton>(name)->text(), caption) << name;

    QStringList groups;
    for (QGroupBox* group : pages->widget(1)->findChildren<QGroupBox*>()) groups << group->title();
    for (const char* title :
         {"Text", "Border", "Background", "Sound", "Status Bar Message", "Hint", "Highlight Box"})
        EXPECT_TRUE(groups.contains(title)) << title;
}

TEST_F(PropertiesLayout, FieldsHaveTheirRangesHintsAndItems) {
    struct Range {
        const char* name;
        int minimum;
        int maximum;
    };
    for (const Range& range :
         {Range{"eItemWidth", 0, 10000}, Range{"eItemHeight", 0, 10000},
          Range{"itemXEdit", -10000, 10000}, Range{"itemYEdit", -10000, 10000},
          Range{"eBorderWidth2", 0, 1000}, Range{"eBorderShading3", 0, 1000}}) {
        auto* field = control<QSpinBox>(range.name);
        EXPECT_EQ(field->minimum(), range.minimum) << range.name;
        EXPECT_EQ(field->maximum(), range.maximum) << range.name;
    }
    EXPECT_EQ(control("itemXEdit")->toolTip(), "Horizontal position of the button");
    EXPECT_EQ(control("itemYEdit")->toolTip(), "Vertical position of the button");

    auto items = [this](const char* name) {
        QStringList list;
        auto* box = control<QComboBox>(name);
        for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
        return list;
    };
    EXPECT_EQ(items("cBorderStyle2"),
              QStringList({"Raised Frame", "Lowered Frame", "Raised Bevel", "Lowered Bevel",
                           "Raised Bump", "Lowered Bump"}));
    EXPECT_EQ(items("cImageAlign3"),
              QStringList({"Free", "Center", "Left", "Right", "Tile", "Resize"}));
    EXPECT_EQ(items("cfont2"), QStringList({"TimesRoman", "Courier", "Arial"}));
    EXPECT_EQ(items("cHintFont"), QStringList({"TimesRoman", "Courier", "Arial"}));
    const QStringList sizes = {"8",  "10", "12", "14", "16", "18", "20",
                               "22", "24", "26", "28", "36", "48", "72"};
    EXPECT_EQ(items("cFontSize"), sizes);
    EXPECT_EQ(items("eHintFontSize"), sizes);
    EXPECT_EQ(items("itemFrameEdit"), QStringList({"_self", "_top", "_blank", "_parent"}));
    EXPECT_TRUE(control<QComboBox>("itemFrameEdit")->isEditable());
    EXPECT_EQ(control<QLineEdit>("itemLinkEdit")->maxLength(), 255);
    EXPECT_EQ(control<QLineEdit>("sound2")->maxLength(), 255);
}

TEST_F(PropertiesLayout, OpensOnTheOnClickTabAndFitsASmallScreen) {
    EXPECT_EQ(control<QTabWidget>("PageControl2")->currentIndex(), 2);
    // A 1366 x 768 screen, less a title bar and a task bar.
    for (int tab = 0; tab < 3; ++tab) {
        control<QTabWidget>("PageControl2")->setCurrentIndex(tab);
        const QSize needed = window()->sizeHint().expandedTo(window()->minimumSizeHint());
        EXPECT_LE(needed.width(), 1366);
        EXPECT_LE(needed.height(), 700);
    }
}

TEST_F(PropertiesLayout, CloseOnlyHidesTheWindow) {
    click("SpeedButton10");
    EXPECT_FALSE(window()->isVisible());
    window()->show();
    EXPECT_NE(control("eText"), nullptr);
}

TEST_F(PropertiesLayout, EscapeClosesTheWindowAndKeepsWhatWasTyped) {
    select({0});
    QWidget* caption = control("eText");
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    caption->setFocus();
    QTest::keyClick(caption, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(caption, "Home");
    QTest::keyClick(caption, Qt::Key_Escape);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(panel(1, 0).caption(), "Home");
}

TEST_F(PropertiesLayout, EscapeInAnOpenListClosesOnlyTheList) {
    select({0});
    auto* style = control<QComboBox>("cBorderStyle");
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    style->showPopup();
    ASSERT_TRUE(style->view()->isVisible());
    QTest::keyClick(style->view(), Qt::Key_Escape);
    EXPECT_FALSE(style->view()->isVisible());
    EXPECT_TRUE(window()->isVisible());
}

TEST_F(PropertiesLayout, TheFirstShowOpensTheStatesHelpOnce) {
    EXPECT_EQ(dialogs.helpTopics, QList<int>{46});
    window()->hide();
    window()->show();
    main->documentCommands().resetDocument();
    window()->show();
    EXPECT_EQ(dialogs.helpTopics, QList<int>{46}) << "once per installation";
}

TEST_F(PropertiesLayout, HelpButtonsOpenTheirTopics) {
    struct Help {
        int tab;
        const char* name;
        int topic;
    };
    for (const Help& help :
         {Help{1, "bDimensionsHelp", 19}, Help{2, "bBorderHelp2", 21}, Help{3, "bTextHelp3", 22},
          Help{2, "bHintHelp", 23}, Help{2, "bStatusHelp", 24}, Help{1, "bSoundHelp", 25},
          Help{3, "bLinkHelp", 26}, Help{2, "bBackgroundHelp2", 27}, Help{3, "bStatesHelp", 46}}) {
        showTab(help.tab);
        dialogs.helpTopics.clear();
        click(help.name);
        EXPECT_EQ(dialogs.helpTopics, QList<int>{help.topic}) << help.name;
    }
}

}  // namespace
}  // namespace wendle::testing
