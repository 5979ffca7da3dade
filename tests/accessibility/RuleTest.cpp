// state-contrast, target-size, name, link, hover-sound, text-box-contrast
// and alt-html-contrast.
#include <gtest/gtest.h>

#include <functional>

#include "CheckFixtures.h"
#include "model/Editing.h"

namespace wendle::accessibility {
namespace {

using testing::buildApplet;
using testing::check;
using testing::flatFaces;

TEST(StateContrast, StatesToldApartByMoreThanHue) {
    struct Case {
        const char* what;
        std::function<void(TVelkPanel&)> change;  // applied to state 2
        bool warned;
    };
    // State 1: a flat mid-grey face with a white caption.
    const Case cases[] = {
        {"same look", [](TVelkPanel&) {}, false},
        {"hue only", [](TVelkPanel& p) { p.setBkColor(rgb(140, 110, 110)); }, true},
        {"much lighter", [](TVelkPanel& p) { p.setBkColor(rgb(250, 250, 250)); }, false},
        {"border drawn", [](TVelkPanel& p) { p.setBorderWidth(2); }, false},
        {"highlight box",
         [](TVelkPanel& p) {
             p.setBkColor(rgb(140, 110, 110));
             p.setShowHighlight(true);
         },
         false},
        {"caption restyled",
         [](TVelkPanel& p) {
             p.setBkColor(rgb(140, 110, 110));
             p.setFontStyle(2);
         },
         false},
        {"caption colour, near luminance", [](TVelkPanel& p) { p.setFontColor(rgb(255, 255, 0)); },
         true},
        {"caption colour, far luminance", [](TVelkPanel& p) { p.setFontColor(rgb(0, 0, 0)); },
         false},
        {"picture shown",
         [](TVelkPanel& p) {
             p.setBkColor(rgb(140, 110, 110));
             p.setImageName("over.gif");
         },
         false},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 1);
        flatFaces(applet, 0, rgb(120, 120, 120), rgb(255, 255, 255));
        c.change(*applet.statePanel(2, 0));
        const auto found = check(applet, Rule::StateContrast);
        EXPECT_EQ(found.size(), c.warned ? 1u : 0u) << c.what;
        if (!found.empty()) {
            EXPECT_EQ(found[0].state, 2) << c.what;
            EXPECT_EQ(found[0].severity, Severity::Warning);
            EXPECT_EQ(found[0].threshold, 3.0);
            EXPECT_LT(found[0].measured, 3.0);
        }
    }
}

TEST(TargetSize, SmallButtonsNeedRoomAround) {
    struct Case {
        const char* what;
        int width, height;  // of the button in slot 0
        int otherLeft;      // where the second button (40 x 40, same top) begins
        bool fails;
    };
    // The first button sits at (5, 30).
    const Case cases[] = {
        {"23 x 24 beside another", 23, 24, 28, true},
        {"24 x 24 beside another", 24, 24, 29, false},
        {"24 x 23 beside another", 24, 23, 28, true},
        // The circle's centre is at x 16.5: it ends at 28.5.
        {"23 x 24 with its circle clear", 23, 24, 29, false},
        {"23 x 24 with the circle reaching the other", 23, 24, 28, true},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 2);
        SetSizeXY(applet, 0, 5, 30, c.width, c.height);
        SetSizeXY(applet, 1, c.otherLeft, 30, 40, 40);
        const auto found = check(applet, Rule::TargetSize);
        ASSERT_EQ(found.size(), c.fails ? 1u : 0u) << c.what;
        if (c.fails) {
            EXPECT_EQ(found[0].slot, 0) << c.what;
            EXPECT_EQ(found[0].width, c.width);
            EXPECT_EQ(found[0].height, c.height);
            ASSERT_TRUE(found[0].fix);
            EXPECT_EQ(found[0].fix->edits[0].width, 24);
            EXPECT_EQ(found[0].fix->edits[0].height, 24);
        }
    }
}

TEST(TargetSize, TwoSmallButtonsKeepTheirCirclesApart) {
    struct Case {
        int gap;  // between the centres
        bool fails;
    };
    for (const Case c : {Case{24, false}, Case{23, true}}) {
        TVelkForm applet;
        buildApplet(applet, 2);
        SetSizeXY(applet, 0, 100, 100, 10, 10);
        SetSizeXY(applet, 1, 100 + c.gap, 100, 10, 10);
        EXPECT_EQ(check(applet, Rule::TargetSize).size(), c.fails ? 2u : 0u) << c.gap;
    }
}

TEST(Name, PictureOnlyButtonNeedsAHint) {
    struct Case {
        const char* what;
        const char* caption;
        const char* hint;
        const char* picture;
        bool fails;
        const char* fixedHint;  // empty: no fix
    };
    const Case cases[] = {
        {"caption", "Home", "", "", false, ""},
        {"hint", "", "Home page", "home.gif", false, ""},
        {"neither, with a picture", "", "", "glossy-blue_down.jpg", true, "Glossy blue down"},
        {"blank caption", " \r\n", "", "x/y/map.gif", true, "Map"},
        {"neither, no picture", "", "", "", true, ""},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 1);
        for (int state = 1; state <= 3; ++state) {
            TVelkPanel& panel = *applet.statePanel(state, 0);
            panel.setCaption(c.caption);
            panel.setHintText(c.hint);
            panel.setImageName(c.picture);
        }
        const auto found = check(applet, Rule::Name);
        ASSERT_EQ(found.size(), c.fails ? 1u : 0u) << c.what;
        if (!c.fails)
            continue;
        EXPECT_EQ(found[0].state, 1);
        if (*c.fixedHint) {
            ASSERT_TRUE(found[0].fix) << c.what;
            ASSERT_EQ(found[0].fix->edits.size(), 3u) << "every state's hint";
            EXPECT_EQ(found[0].fix->edits[0].text, c.fixedHint);
        } else {
            EXPECT_FALSE(found[0].fix) << c.what;
        }
    }
}

TEST(Link, WarnsOnlyWhenOtherButtonsHaveLinks) {
    struct Case {
        std::vector<std::string> links;
        std::vector<int> warnedSlots;
    };
    const Case cases[] = {
        {{"a.html", "", "c.html"}, {1}},
        {{"", "", ""}, {}},
        {{"a.html", "b.html", "c.html"}, {}},
        {{"", " ", "c.html"}, {0, 1}},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 3);
        for (int slot = 0; slot < 3; ++slot)
            applet.statePanel(1, slot)->setLink(c.links[std::size_t(slot)]);
        std::vector<int> warned;
        for (const Finding& f : check(applet, Rule::Link)) {
            EXPECT_EQ(f.severity, Severity::Warning);
            warned.push_back(f.slot);
        }
        EXPECT_EQ(warned, c.warnedSlots);
    }
}

TEST(HoverSound, OnlyAStateTwoSoundWarns) {
    for (int state = 1; state <= 3; ++state) {
        TVelkForm applet;
        buildApplet(applet, 1);
        applet.statePanel(state, 0)->setSoundName("tick.au");
        const auto found = check(applet, Rule::HoverSound);
        ASSERT_EQ(found.size(), state == 2 ? 1u : 0u) << state;
        if (!found.empty()) {
            EXPECT_EQ(found[0].severity, Severity::Warning);
        }
    }
}

TEST(TextBoxContrast, MessagesMustBeReadable) {
    struct Case {
        const char* what;
        bool visible;
        const char* message;
        Colour text, background;
        int fontSize, style;
        bool fails;
        Colour fixed;
    };
    const Colour black = rgb(0, 0, 0), white = rgb(255, 255, 255);
    const Case cases[] = {
        {"white on black", true, "Hello", white, black, 12, 0, false, 0},
        {"grey on white", true, "Hello", rgb(119, 119, 119), white, 12, 0, true, black},
        {"grey on white, large", true, "Hello", rgb(119, 119, 119), white, 22, 0, false, 0},
        {"blue on black", true, "Hello", rgb(0, 0, 0xEE), black, 12, 0, true, white},
        {"hidden", false, "Hello", rgb(0, 0, 0xEE), black, 12, 0, false, 0},
        {"no message anywhere", true, "", rgb(0, 0, 0xEE), black, 12, 0, false, 0},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 1);
        applet.setTextBoxVisible(c.visible);
        applet.statePanel(2, 0)->setTextBoxText(c.message);
        applet.setTextBoxTextColor(c.text);
        applet.setTextBoxBkColor(c.background);
        applet.setTextBoxFontSize(c.fontSize);
        applet.setTextBoxFontStyle(c.style);
        const auto found = check(applet, Rule::TextBoxContrast);
        ASSERT_EQ(found.size(), c.fails ? 1u : 0u) << c.what;
        if (c.fails) {
            EXPECT_EQ(found[0].subject, Subject::TextBox);
            ASSERT_TRUE(found[0].fix);
            EXPECT_EQ(found[0].fix->edits[0].colour, c.fixed) << c.what;
        }
    }
}

TEST(AltHtmlContrast, TheProgramsPageColoursAgainstTheAlternativeHtml) {
    struct Case {
        const char* html;
        std::vector<PageText> reported;
    };
    // A black page with the browsers' own text and link colours.
    const document::PageColours page{rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0xEE),
                                     rgb(0x55, 0x1A, 0x8B)};
    const Case cases[] = {
        {"", {}},
        {"<a href=\"a.html\">A</a>", {PageText::Link, PageText::VisitedLink}},
        {"<A HREF=\"a.html\">A</A> - <a href=\"b.html\">B</a>",
         {PageText::Text, PageText::Link, PageText::VisitedLink}},
        {"<p>Plain words</p>", {PageText::Text}},
        {"<abbr>x</abbr>", {PageText::Text}},
    };
    for (const Case& c : cases) {
        TVelkForm applet;
        buildApplet(applet, 0);
        applet.setAltHTML(c.html);
        std::vector<PageText> reported;
        for (const Finding& f :
             testing::findingsOf(checkApplet(applet, page), Rule::AltHtmlContrast)) {
            reported.push_back(f.pageText);
            if (f.pageText == PageText::Link) {
                EXPECT_NEAR(f.measured, 2.2346, 0.0001);
            }
        }
        EXPECT_EQ(reported, c.reported) << c.html;
    }
    // The colours of the program's own page report nothing.
    TVelkForm applet;
    buildApplet(applet, 0);
    applet.setAltHTML("<a href=\"a.html\">A</a> - <a href=\"b.html\">B</a>");
    EXPECT_TRUE(testing::findingsOf(checkApplet(applet), Rule::AltHtmlContrast).empty());
}

TEST(Check, FindingsComeGroupedByButton) {
    TVelkForm applet;
    buildApplet(applet, 3);
    applet.deleteButton(0);
    applet.CreateMenuItem();  // slot 0 again, last in the list
    for (int slot : {0, 1, 2}) {
        flatFaces(applet, slot, rgb(255, 255, 255), rgb(250, 250, 250));
        applet.statePanel(2, slot)->setSoundName("tick.au");
    }
    applet.setTextBoxVisible(1);
    applet.statePanel(1, 1)->setTextBoxText("Hi");
    applet.setTextBoxTextColor(rgb(0, 0, 0));
    applet.setTextBoxBkColor(rgb(0, 0, 0));
    std::vector<std::string> order;
    for (const Finding& f : checkApplet(applet)) {
        order.push_back(std::to_string(f.slot) + "/" + std::to_string(f.state) + "/" +
                        ruleInfo(f.rule).id);
    }
    const std::vector<std::string> expected = {
        "1/1/caption-contrast",   "1/2/caption-contrast", "1/2/hover-sound", "1/3/caption-contrast",
        "2/1/caption-contrast",   "2/2/caption-contrast", "2/2/hover-sound", "2/3/caption-contrast",
        "0/1/caption-contrast",   "0/2/caption-contrast", "0/2/hover-sound", "0/3/caption-contrast",
        "-1/0/text-box-contrast",
    };
    EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace wendle::accessibility
