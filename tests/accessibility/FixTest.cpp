// Each fix changes exactly the properties it names, and its restoring edits
// put them back.
#include <gtest/gtest.h>

#include <functional>

#include "CheckFixtures.h"
#include "PropertyDump.h"
#include "accessibility/Fixes.h"
#include "model/Editing.h"

namespace wendle::accessibility {
namespace {

using testing::buildApplet;
using testing::changedKeys;
using testing::flatFaces;
using testing::propertyDump;

TEST(Fixes, EachFixChangesExactlyItsProperties) {
    struct Case {
        const char* what;
        Rule rule;
        std::function<void(TVelkForm&)> spoil;
        std::vector<std::string> changed;
        std::function<bool(TVelkForm&)> fixedAsSaid;
    };
    const Case cases[] = {
        {"light caption on a light face, state 2",
         Rule::CaptionContrast,
         [](TVelkForm& a) {
             flatFaces(a, 1, rgb(255, 255, 255), rgb(0, 0, 0));
             a.statePanel(2, 1)->setFontColor(rgb(200, 200, 200));
         },
         {"1/2/fontColor"},
         [](TVelkForm& a) { return a.statePanel(2, 1)->fontColor() == rgb(0, 0, 0); }},
        {"dark caption on a dark face",
         Rule::CaptionContrast,
         [](TVelkForm& a) { flatFaces(a, 0, rgb(0, 0, 80), rgb(30, 30, 90)); },
         {"0/1/fontColor", "0/2/fontColor", "0/3/fontColor"},
         [](TVelkForm& a) { return a.statePanel(3, 0)->fontColor() == rgb(255, 255, 255); }},
        {"small button",
         Rule::TargetSize,
         [](TVelkForm& a) { SetSizeXY(a, 1, 5, 60, 20, 16); },
         {"1/1/height", "1/1/width", "1/2/height", "1/2/width", "1/3/height", "1/3/width"},
         [](TVelkForm& a) {
             const TVelkPanel& p = *a.statePanel(2, 1);
             return p.width() == 24 && p.height() == 24 && p.left() == 5 && p.top() == 60;
         }},
        {"picture only",
         Rule::Name,
         [](TVelkForm& a) {
             for (int s = 1; s <= 3; ++s) {
                 a.statePanel(s, 0)->setCaption("");
                 a.statePanel(s, 0)->setImageName("home.gif");
             }
             a.statePanel(3, 0)->setHintText("Pressed");
         },
         {"0/1/hintText", "0/2/hintText"},
         [](TVelkForm& a) {
             return a.statePanel(1, 0)->hintText() == "Home" &&
                    a.statePanel(3, 0)->hintText() == "Pressed";
         }},
        {"unreadable messages",
         Rule::TextBoxContrast,
         [](TVelkForm& a) {
             a.setTextBoxVisible(1);
             a.statePanel(1, 0)->setTextBoxText("Hello");
             a.setTextBoxBkColor(rgb(250, 250, 200));
             a.setTextBoxTextColor(rgb(200, 200, 200));
         },
         {"textBoxTextColor"},
         [](TVelkForm& a) { return a.textBoxTextColor() == rgb(0, 0, 0); }},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 2);
        c.spoil(applet);
        const auto found = testing::check(applet, c.rule);
        ASSERT_FALSE(found.empty()) << c.what;
        const auto before = propertyDump(applet);

        const Fix all = combinedFix(found);
        std::vector<Edit> restoring;
        for (const Edit& edit : all.edits) restoring.push_back(restoringEdit(applet, edit));
        applet.setModified(false);
        applyFix(applet, all);
        EXPECT_EQ(changedKeys(before, propertyDump(applet)), c.changed) << c.what;
        EXPECT_TRUE(c.fixedAsSaid(applet)) << c.what;
        EXPECT_TRUE(applet.modified()) << c.what;
        EXPECT_TRUE(testing::check(applet, c.rule).empty()) << c.what << ": fixed for good";

        for (auto edit = restoring.rbegin(); edit != restoring.rend(); ++edit)
            applyEdit(applet, *edit);
        EXPECT_EQ(propertyDump(applet), before) << c.what << ": restored";
    }
}

TEST(Fixes, AnEditForAButtonThatIsGoneChangesNothing) {
    TVelkForm applet;
    buildApplet(applet, 1);
    applet.setModified(false);
    const auto before = propertyDump(applet);
    Edit edit;
    edit.property = Edit::Property::FontColor;
    edit.slot = 7;
    edit.state = 1;
    applyEdit(applet, edit);
    edit.property = Edit::Property::Size;
    applyEdit(applet, edit);
    EXPECT_EQ(propertyDump(applet), before);
    EXPECT_FALSE(applet.modified());
}

}  // namespace
}  // namespace wendle::accessibility
