#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "EditorFixture.h"
#include "editor/GeneralTab.h"
#include "editor/GeneralTexts.h"
#include "editor/Texts.h"
#include "model/Editing.h"
#include "model/Messages.h"

namespace wendle::testing {
namespace {

class GeneralTabEditing : public EditorFixture {
  protected:
    GeneralTab* tab() { return main->generalTab(); }
    template <typename T>
    T* control(const char* name) {
        T* found = tab()->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Types into a field as the user does: select what is there, then keys.
    void type(QAbstractSpinBox* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    // Picks an item of a list with the keyboard, one step at a time, as the
    // user does when the list is closed.
    void choose(QComboBox* list, int item) {
        while (list->currentIndex() < item) QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > item) QTest::keyClick(list, Qt::Key_Up);
    }
    void choose(QComboBox* list, const char* text) { choose(list, list->findText(text)); }
};

TEST_F(GeneralTabEditing, EveryNamedControlIsThere) {
    const char* names[] = {"eAppletWidth", "eAppletHeight",  "ComboBox1",    "bBkColor",
                           "chkGradient",  "bGradientColor", "eBkImage",     "bBkImageBrowse",
                           "cImageAlign",  "eImageX",        "eImageY",      "eBorderWidth",
                           "cBorderStyle", "eBorderShading", "bBorderColor", "cfont2",
                           "cfontsize2",   "bplain2",        "BItalic2",     "bBold2",
                           "SpeedButton3", "CheckBox2",      "SpinEdit1",    "SpinEdit2"};
    for (const char* name : names) EXPECT_NE(tab()->findChild<QWidget*>(name), nullptr) << name;
    // The text box's size and colours are set elsewhere: those controls are
    // not shown.
    for (const char* hidden : {"SpinEdit1", "SpinEdit2"})
        EXPECT_TRUE(tab()->findChild<QWidget*>(hidden)->isHidden()) << hidden;
}

TEST_F(GeneralTabEditing, ControlsCarryTheirHintsRangesAndItems) {
    struct Field {
        const char* name;
        const char* hint;
        int minimum;
        int maximum;
    };
    const Field fields[] = {
        {"eAppletWidth", "Applet width in pixels", 0, 2000},
        {"eAppletHeight", "Applet height in pixels", 0, 2000},
        {"eImageX", "Horizontal image position", -2000, 2000},
        {"eImageY", "Vertical image position", -2000, 2000},
        {"eBorderWidth", "Width of the applet border in pixels", 0, 100},
        {"eBorderShading", "How fast the border color gets lighter or darker", 0, 255},
    };
    for (const Field& field : fields) {
        auto* spin = control<QSpinBox>(field.name);
        EXPECT_EQ(spin->toolTip(), field.hint) << field.name;
        EXPECT_EQ(spin->minimum(), field.minimum) << field.name;
        EXPECT_EQ(spin->maximum(), field.maximum) << field.name;
    }
    struct List {
        const char* name;
        QStringList items;
    };
    const List lists[] = {
        {"ComboBox1", {"Free", "Horizontal", "Vertical"}},
        {"cImageAlign", {"Free", "Center", "Left", "Right", "Tile", "Resize"}},
        {"cBorderStyle",
         {"Raised Frame", "Lowered Frame", "Raised Bevel", "Lowered Bevel", "Raised Bump",
          "Lowered Bump"}},
        {"cfont2", {"TimesRoman", "Courier", "Arial"}},
        {"cfontsize2",
         {"8", "10", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"}},
    };
    for (const List& list : lists) {
        auto* combo = control<QComboBox>(list.name);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        EXPECT_EQ(items, list.items) << list.name;
    }
    EXPECT_EQ(control<QLineEdit>("eBkImage")->toolTip(), "Background image for this applet");
    EXPECT_EQ(control<QToolButton>("bBkImageBrowse")->toolTip(), "Browse for Background Image");
    EXPECT_EQ(control<QComboBox>("cBorderStyle")->toolTip(), "Border style");
    EXPECT_EQ(control<QPushButton>("bBkColor")->text(), "Background &Color");
    EXPECT_EQ(control<QPushButton>("bGradientColor")->text(), "F&ade Color");
    EXPECT_EQ(control<QPushButton>("bBorderColor")->text(), "Colo&r");
    EXPECT_EQ(control<QPushButton>("SpeedButton3")->text(), "Font Colo&r");
    EXPECT_EQ(control<QCheckBox>("chkGradient")->text(), "Use Gradient Fill");
    EXPECT_EQ(control<QCheckBox>("CheckBox2")->text(), "Show Text Box");
}

TEST_F(GeneralTabEditing, TypedHeightSizesThePreviewAndAResizedPreviewShowsInTheField) {
    main->preview()->show();
    applet().setModified(false);
    type(control<QSpinBox>("eAppletHeight"), "300");
    EXPECT_EQ(applet().clientHeight(), 325);
    EXPECT_EQ(main->preview()->height(), 325);
    EXPECT_TRUE(applet().modified());

    type(control<QSpinBox>("eAppletWidth"), "240");
    EXPECT_EQ(applet().clientWidth(), 240);
    EXPECT_EQ(main->preview()->width(), 240);

    QEvent enter(QEvent::Enter);  // the user reaches the window, then resizes it
    QCoreApplication::sendEvent(main->preview(), &enter);
    main->preview()->resize(240, 125);
    QCoreApplication::processEvents();
    EXPECT_EQ(applet().clientHeight(), 125);
    EXPECT_EQ(control<QSpinBox>("eAppletHeight")->value(), 100);
}

TEST_F(GeneralTabEditing, AnEmptiedNumberFieldChangesNothing) {
    auto* border = control<QSpinBox>("eBorderWidth");
    applet().setModified(false);
    border->setFocus();
    border->selectAll();
    QTest::keyClick(border, Qt::Key_Backspace);
    EXPECT_TRUE(border->text().isEmpty());
    EXPECT_EQ(applet().borderWidth(), 4);
    EXPECT_FALSE(applet().modified());
}

TEST_F(GeneralTabEditing, DraggingAboveOrBelowANumberFieldChangesIt) {
    auto* border = control<QSpinBox>("eBorderWidth");
    auto dragTo = [border](int y) {
        QTest::mousePress(border, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, y), border->mapToGlobal(QPointF(5, y)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(border, &move);
        QTest::mouseRelease(border, Qt::LeftButton, Qt::NoModifier, QPoint(5, y));
    };
    dragTo(-30);
    EXPECT_EQ(applet().borderWidth(), 34);
    dragTo(border->height() + 10);
    EXPECT_EQ(applet().borderWidth(), 24);
}

TEST_F(GeneralTabEditing, BorderStyleSetsStyleAndDirectionAndOpensShadingForBumpsOnly) {
    struct Case {
        const char* item;
        int bdrStyle;
        bool raised;
        bool shadingEnabled;
    };
    const Case cases[] = {{"Lowered Bump", 3, false, true},   {"Raised Frame", 1, true, false},
                          {"Raised Bump", 3, true, true},     {"Lowered Bevel", 2, false, false},
                          {"Lowered Frame", 1, false, false}, {"Raised Bevel", 2, true, false}};
    auto* style = control<QComboBox>("cBorderStyle");
    for (const Case& c : cases) {
        applet().setModified(false);
        choose(style, c.item);
        EXPECT_EQ(applet().bdrStyle(), c.bdrStyle) << c.item;
        EXPECT_EQ(applet().raised(), c.raised) << c.item;
        EXPECT_EQ(control<QSpinBox>("eBorderShading")->isEnabled(), c.shadingEnabled) << c.item;
        EXPECT_TRUE(applet().modified()) << c.item;
        EXPECT_TRUE(applet().modif()) << c.item;
    }
}

TEST_F(GeneralTabEditing, ImagePositionIsOpenForFreePlacementOnly) {
    auto* align = control<QComboBox>("cImageAlign");
    const char* items[] = {"Free", "Center", "Left", "Right", "Tile", "Resize"};
    for (int style : {4, 0, 5, 1, 3, 2}) {
        choose(align, style);
        EXPECT_EQ(applet().imageStyle(), style) << items[style];
        EXPECT_EQ(control<QSpinBox>("eImageX")->isEnabled(), style == 0) << items[style];
        EXPECT_EQ(control<QSpinBox>("eImageY")->isEnabled(), style == 0) << items[style];
    }
}

TEST_F(GeneralTabEditing, NumberFieldsReachTheirSetters) {
    choose(control<QComboBox>("cImageAlign"), "Free");
    choose(control<QComboBox>("cBorderStyle"), "Raised Bump");
    type(control<QSpinBox>("eImageX"), "-12");
    type(control<QSpinBox>("eImageY"), "34");
    type(control<QSpinBox>("eBorderWidth"), "7");
    type(control<QSpinBox>("eBorderShading"), "99");
    EXPECT_EQ(applet().imageX(), -12);
    EXPECT_EQ(applet().imageY(), 34);
    EXPECT_EQ(applet().borderWidth(), 7);
    EXPECT_EQ(applet().borderShading(), 99);
}

TEST_F(GeneralTabEditing, ColourButtonsStoreOnlyAConfirmedColour) {
    struct Case {
        const char* button;
        const Colour& (TVelkForm::*colour)() const;
    };
    const Case cases[] = {{"bBkColor", &TVelkForm::bkColor},
                          {"bGradientColor", &TVelkForm::fadeColor},
                          {"bBorderColor", &TVelkForm::borderColor}};
    control<QCheckBox>("chkGradient")->click();  // opens "F&ade Color"
    for (const Case& c : cases) {
        const Colour before = (applet().*c.colour)();
        applet().setModified(false);
        dialogs.colourStarts.clear();
        control<QPushButton>(c.button)->click();  // cancelled
        EXPECT_EQ(dialogs.colourStarts, QList<Colour>{before}) << c.button;
        EXPECT_EQ((applet().*c.colour)(), before) << c.button;
        EXPECT_FALSE(applet().modified()) << c.button;

        dialogs.colours.push_back(Colour{0x00123456});
        control<QPushButton>(c.button)->click();
        EXPECT_EQ((applet().*c.colour)(), Colour{0x00123456}) << c.button;
        EXPECT_TRUE(applet().modified()) << c.button;
    }
}

TEST_F(GeneralTabEditing, GradientBoxSwitchesFadeAndItsColourButton) {
    auto* gradient = control<QCheckBox>("chkGradient");
    auto* fadeColour = control<QPushButton>("bGradientColor");
    EXPECT_FALSE(fadeColour->isEnabled());
    applet().setModified(false);
    gradient->click();
    EXPECT_TRUE(applet().fade());
    EXPECT_TRUE(fadeColour->isEnabled());
    EXPECT_TRUE(applet().modified());
    gradient->click();
    EXPECT_FALSE(applet().fade());
    EXPECT_FALSE(fadeColour->isEnabled());
}

TEST_F(GeneralTabEditing, TypedImageNameIsCheckedThenStoredAsNameAndPath) {
    auto* image = control<QLineEdit>("eBkImage");
    type(image, "sky.gif");
    EXPECT_EQ(applet().imageName(), "sky.gif");
    EXPECT_EQ(applet().imagePath(), "sky.gif");

    applet().setModified(false);
    QTest::keyClick(image, Qt::Key_Bar, Qt::ShiftModifier);
    EXPECT_EQ(image->text(), "sky.gif|");
    EXPECT_EQ(dialogs.messages, QStringList{messages::kCheckCharacters2});
    EXPECT_EQ(applet().imageName(), "sky.gif");
    EXPECT_FALSE(applet().modified());
}

TEST_F(GeneralTabEditing, BrowsingForTheImageStoresTheFileNameAndItsPath) {
    dialogs.openFiles.push_back("/pictures/night sky.jpg");
    control<QToolButton>("bBkImageBrowse")->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Open Image");
    EXPECT_EQ(dialogs.fileRequests[0].folder, main->programFolder() + "Button Images");
    for (const QString& entry : dialogs.fileRequests[0].filter.split(";;"))
        EXPECT_EQ(entry.count('('), 1) << entry.toStdString();
    EXPECT_EQ(applet().imageName(), "night sky.jpg");
    EXPECT_EQ(applet().imagePath(), "/pictures/night sky.jpg");
    EXPECT_EQ(control<QLineEdit>("eBkImage")->text(), "night sky.jpg");

    // The next browse starts where the image is; Cancel keeps it.
    control<QToolButton>("bBkImageBrowse")->click();
    EXPECT_EQ(dialogs.fileRequests[1].folder, "/pictures/night sky.jpg");
    EXPECT_EQ(applet().imageName(), "night sky.jpg");
}

TEST_F(GeneralTabEditing, ABrowsedFileWhoseNameWouldBreakTheAppletIsRefused) {
    dialogs.openFiles.push_back("/pictures/a|b.gif");
    control<QToolButton>("bBkImageBrowse")->click();
    EXPECT_EQ(dialogs.messages, QStringList{messages::kCheckCharacters2});
    EXPECT_EQ(applet().imageName(), "");
}

TEST_F(GeneralTabEditing, RefillShowsTheAppletWithoutTakingItForAnEdit) {
    TVelkForm& a = applet();
    a.setClientSize(210, 140);
    a.setImageName("a.gif");
    a.setImageX(7);
    a.setImageY(-8);
    a.setImageStyle(0);
    a.setBorderWidth(3);
    a.setBorderShading(40);
    a.setBdrStyle(3);
    a.setRaised(false);
    a.setFade(true);
    a.setTextBoxVisible(1);
    a.setTextBoxFont(1);
    a.setTextBoxFontSize(36);
    a.setTextBoxFontStyle(1);
    a.textBox().setBounds(4, 160, 120, 22);
    choose(control<QComboBox>("ComboBox1"), 0);
    a.setModified(false);

    main->UpDateGeneralWindow();
    EXPECT_EQ(control<QSpinBox>("eAppletWidth")->value(), 210);
    EXPECT_EQ(control<QSpinBox>("eAppletHeight")->value(), 115);
    EXPECT_EQ(control<QLineEdit>("eBkImage")->text(), "a.gif");
    EXPECT_EQ(control<QSpinBox>("eImageX")->value(), 7);
    EXPECT_EQ(control<QSpinBox>("eImageY")->value(), -8);
    EXPECT_EQ(control<QComboBox>("cImageAlign")->currentIndex(), 0);
    EXPECT_TRUE(control<QSpinBox>("eImageX")->isEnabled());
    EXPECT_EQ(control<QSpinBox>("eBorderWidth")->value(), 3);
    EXPECT_EQ(control<QSpinBox>("eBorderShading")->value(), 40);
    EXPECT_TRUE(control<QSpinBox>("eBorderShading")->isEnabled());
    EXPECT_EQ(control<QComboBox>("cBorderStyle")->currentText(), "Lowered Bump");
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentText(), "Free");
    EXPECT_TRUE(control<QCheckBox>("chkGradient")->isChecked());
    EXPECT_TRUE(control<QPushButton>("bGradientColor")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ(control<QComboBox>("cfont2")->currentText(), "Courier");
    EXPECT_EQ(control<QComboBox>("cfontsize2")->currentText(), "36");
    EXPECT_TRUE(control<QToolButton>("BItalic2")->isChecked());
    EXPECT_EQ(control<QSpinBox>("SpinEdit1")->value(), 120);
    EXPECT_EQ(control<QSpinBox>("SpinEdit2")->value(), 22);
    const TvelkTextBox& box = a.textBox();
    EXPECT_EQ(box.typeface, 1);
    EXPECT_EQ(box.pointSize, 26);
    EXPECT_EQ(box.fontStyle, 1);
    EXPECT_EQ(box.left, 4);
    EXPECT_FALSE(a.modified());

    // A text box that is off is put where nothing of it shows; a size that
    // is not in the list leaves the list and the panel's size alone.
    a.setTextBoxVisible(0);
    a.setTextBoxFontSize(13);
    main->UpDateGeneralWindow();
    EXPECT_FALSE(control<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ((Bounds{box.left, box.top, box.width, box.height}), (Bounds{-1, 160, 1, 1}));
    EXPECT_EQ(control<QComboBox>("cfontsize2")->currentText(), "36");
    EXPECT_EQ(box.pointSize, 26);
    EXPECT_FALSE(a.modified());
}

TEST_F(GeneralTabEditing, ANewAppletAfterAGradientOneShowsNoGradientAndIsUnmodified) {
    control<QCheckBox>("chkGradient")->click();
    ASSERT_TRUE(applet().fade());
    main->documentCommands().resetDocument();
    EXPECT_FALSE(control<QCheckBox>("chkGradient")->isChecked());
    EXPECT_FALSE(control<QPushButton>("bGradientColor")->isEnabled());
    EXPECT_FALSE(applet().modified());
}

TEST_F(GeneralTabEditing, HelpButtonsOpenTheirTopics) {
    for (const char* name : {"bDimensionsHelp", "bBackgroundHelp", "bTextBoxHelp"})
        control<QToolButton>(name)->click();
    EXPECT_EQ(dialogs.helpTopics, (QList<int>{16, 17, 28}));
}

// Automatic arrangement.

class Arrangement : public GeneralTabEditing {
  protected:
    // Two buttons, 20 and 30 high, 60 and 80 wide, border 2.
    void SetUp() override {
        GeneralTabEditing::SetUp();
        applet().deleteButton(3);
        applet().deleteButton(1);
        SetSizeXY(applet(), 0, 40, 90, 60, 20);
        SetSizeXY(applet(), 2, 10, 50, 80, 30);
        type(control<QSpinBox>("eBorderWidth"), "2");
        applet().setModified(false);
    }
    Bounds boundsOf(int state, int slot) {
        const TVelkPanel& p = *applet().statePanel(state, slot);
        return {p.left(), p.top(), p.width(), p.height()};
    }
};

TEST_F(Arrangement, VerticalStacksTheButtonsAndFitsTheApplet) {
    choose(control<QComboBox>("ComboBox1"), "Vertical");
    for (int state = 1; state <= 3; ++state) {
        EXPECT_EQ(boundsOf(state, 0), (Bounds{2, 27, 60, 20}));
        EXPECT_EQ(boundsOf(state, 2), (Bounds{2, 47, 80, 30}));
    }
    EXPECT_EQ(applet().clientHeight(), 80);
    EXPECT_EQ(applet().appletHeight(), 55);
    EXPECT_EQ(applet().clientWidth(), 85);
    EXPECT_EQ(main->preview()->height(), 80);
    EXPECT_EQ(control<QSpinBox>("eAppletHeight")->value(), 55);
    EXPECT_EQ(control<QSpinBox>("eAppletWidth")->value(), 85);
    EXPECT_TRUE(applet().modified());
}

TEST_F(Arrangement, HorizontalLinesTheButtonsUpWithTheTextBoxUnderThem) {
    control<QCheckBox>("CheckBox2")->click();
    ASSERT_EQ(applet().textBoxVisible(), 1);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    choose(control<QComboBox>("ComboBox1"), "Horizontal");
    EXPECT_EQ(boundsOf(1, 0), (Bounds{2, 27, 60, 20}));
    EXPECT_EQ(boundsOf(3, 2), (Bounds{62, 27, 80, 30}));
    const TvelkTextBox& box = applet().textBox();
    EXPECT_EQ((Bounds{box.left, box.top, box.width, box.height}), (Bounds{2, 57, 140, 26}));
    EXPECT_EQ(control<QSpinBox>("SpinEdit1")->value(), 140);
    // 30 + 2 x 2 + 26 + 26 high, 140 + 2 x 2 + 1 wide.
    EXPECT_EQ(applet().clientHeight(), 86);
    EXPECT_EQ(applet().clientWidth(), 145);
}

TEST_F(Arrangement, FreeOnlyExplainsHowToMoveButtons) {
    auto* arrangement = control<QComboBox>("ComboBox1");
    choose(arrangement, "Horizontal");
    SetSizeXY(applet(), 0, 40, 90, 60, 20);
    applet().setModified(false);
    choose(arrangement, "Free");
    EXPECT_EQ(dialogs.messages, QStringList{texts::kFreeArrangement});
    EXPECT_EQ(boundsOf(1, 0), (Bounds{40, 90, 60, 20}));
    EXPECT_FALSE(applet().modified());
}

TEST_F(Arrangement, WithoutButtonsNothingHappens) {
    applet().deleteButton(0);
    applet().deleteButton(2);
    const int height = applet().clientHeight();
    choose(control<QComboBox>("ComboBox1"), "Vertical");
    choose(control<QComboBox>("ComboBox1"), "Free");
    EXPECT_EQ(applet().clientHeight(), height);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
}  // namespace wendle::testing
