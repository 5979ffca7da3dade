#include <gtest/gtest.h>

#include "model/AppletHTML.h"
#include "model/CharacterCheck.h"
#include "model/Messages.h"
#include "model/VelkForm.h"

namespace wendle {
namespace {

// Splits a bar-terminated button parameter text into its fields.
std::vector<std::string> barFields(const std::string& text, bool terminated = true) {
    std::vector<std::string> fields;
    std::string field;
    for (char c : text) {
        if (c == '|') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    if (terminated) {
        EXPECT_EQ(field, "") << "text not ended by a bar";
    } else {
        fields.push_back(field);
    }
    return fields;
}

// The value of a PARAM line, between VALUE=" and the closing quote.
std::string paramValue(const std::string& line) {
    const auto start = line.find("VALUE=\"") + 7;
    EXPECT_EQ(line.substr(line.size() - 2), "\">");
    return line.substr(start, line.size() - 2 - start);
}

using Fields = std::vector<std::string>;

TEST(HexColor, WritesRedGreenBlue) {
    struct Case {
        Colour colour;
        const char* text;
    } cases[] = {{0x0080FFFF, "FFFF80"}, {0x00800000, "000080"}, {0x0000FFFF, "FFFF00"},
                 {0x00000000, "000000"}, {0x00ABCDEF, "EFCDAB"}, {0xFF123456, "563412"}};
    for (const auto& c : cases) EXPECT_EQ(getHexColor(c.colour), c.text) << std::hex << c.colour;
}

TEST(JoinCaption, EndsEveryLineWithTheSeparator) {
    struct Case {
        const char* caption;
        const char* joined;
    } cases[] = {{"Home", "Home ~ "},
                 {"Our\r\nShop", "Our ~ Shop ~ "},
                 {"a\r\nb\r\nc", "a ~ b ~ c ~ "},
                 {"End\r\n", "End ~  ~ "},
                 {"", " ~ "},
                 {"lone\nfeed", "lone\nfeed ~ "}};
    for (const auto& c : cases) EXPECT_EQ(joinCaption(c.caption), c.joined) << c.caption;
}

TEST(ButtonParameter, FirstButtonOfANewApplet) {
    TVelkForm applet;
    applet.CreateMenuItem();
    TVelkPanel& first = *applet.statePanel(1, 0);
    EXPECT_EQ(barFields(first.getBeginingHTML()),
              (Fields{"95", "30", "5", "5", " ", "2", "12", "0", "FFFF80", "000000", "000000", " ",
                      " ", "0"}));
    const Fields state1 = {"2", "3", "1",           "24",     "000000", "000080", " ", "2",
                           "0", "0", "Button 1 ~ ", "2",      "14",     "0",      "2", "0",
                           "0", "0", "FFFFFF",      "FFFF00", " ",      " ",      "1", "000080",
                           "0", "0", "0",           "0",      "0"};
    EXPECT_EQ(barFields(first.getMainHTML()), state1);
    Fields state2 = state1;
    state2[18] = "FFFF00";
    EXPECT_EQ(barFields(applet.statePanel(2, 0)->getMainHTML()), state2);
    EXPECT_EQ(first.getEndHTML(), " |");

    const auto lines = buildAppletHTML(applet);
    EXPECT_EQ(barFields(paramValue(lines[5])).size(), 102u);
}

TEST(ButtonParameter, StateFieldsFollowTheirSettings) {
    struct Case {
        const char* name;
        void (*apply)(TVelkPanel&);
        int field;  // 1-based in the state part
        const char* expected;
    } cases[] = {
        {"raised writes 0", [](TVelkPanel& p) { p.setRaised(true); }, 3, "0"},
        {"lowered writes 1", [](TVelkPanel& p) { p.setRaised(false); }, 3, "1"},
        {"highlight on",
         [](TVelkPanel& p) {
             p.setShowHighlight(true);
             p.setHighlightColor(0x000000FF);
         },
         26, "FF0000"},
        {"highlight off", [](TVelkPanel& p) { p.setHighlightColor(0x000000FF); }, 26, "0"},
        {"gradient off gives bkColor",
         [](TVelkPanel& p) {
             p.setFade(false);
             p.setBkColor(0x00FF0000);
         },
         24, "0000FF"},
        {"gradient on gives fadeColor", [](TVelkPanel& p) { p.setFadeColor(0x00400000); }, 24,
         "000040"},
        {"shadow", [](TVelkPanel& p) { p.setFontShadow(true); }, 18, "1"},
        {"transparent", [](TVelkPanel& p) { p.setTransparentBk(true); }, 25, "1"},
        {"three-line caption", [](TVelkPanel& p) { p.setCaption("a\r\nb\r\nc"); }, 11,
         "a ~ b ~ c ~ "},
        {"status", [](TVelkPanel& p) { p.setStatus("Go home"); }, 21, "Go home"},
        {"sound", [](TVelkPanel& p) { p.setSoundName("click.au"); }, 22, "click.au"},
        {"negative image x", [](TVelkPanel& p) { p.setImageX(-3); }, 9, "-3"},
    };
    for (const auto& c : cases) {
        TVelkPanel panel(0, 1);
        c.apply(panel);
        EXPECT_EQ(barFields(panel.getMainHTML())[std::size_t(c.field - 1)], c.expected) << c.name;
    }
}

TEST(ButtonParameter, WritesPlaceholdersBackIntoTheStates) {
    TVelkForm applet;
    applet.CreateMenuItem();
    TVelkPanel& first = *applet.statePanel(1, 0);
    TVelkPanel& second = *applet.statePanel(2, 0);
    first.setCaption("");
    second.setLink("http://example.com/");  // state 2's link never reaches the page
    second.setFade(false);
    second.setBkColor(0x00FF0000);
    second.setModified(false);
    buildAppletHTML(applet);

    EXPECT_EQ(first.link(), " ");
    EXPECT_EQ(first.frame(), " ");
    EXPECT_EQ(first.hintText(), " ");
    EXPECT_EQ(first.caption(), " ");
    for (int state = 1; state <= 3; ++state) {
        const TVelkPanel& panel = *applet.statePanel(state, 0);
        EXPECT_EQ(panel.status(), " ");
        EXPECT_EQ(panel.soundName(), " ");
        EXPECT_EQ(panel.imageName(), " ");
        EXPECT_EQ(panel.hintText(), " ");
        EXPECT_EQ(panel.textBoxText(), "");  // the tail's space is output only
    }
    EXPECT_EQ(second.link(), "http://example.com/");
    EXPECT_EQ(applet.statePanel(3, 0)->link(), "");
    EXPECT_EQ(applet.statePanel(3, 0)->frame(), "");
    EXPECT_EQ(second.fadeColor(), 0x00FF0000u);
    EXPECT_TRUE(second.modified());

    const auto head = barFields(paramValue(buildAppletHTML(applet)[5]));
    EXPECT_EQ(head[11], " ");
}

TEST(AppletHTML, NewDocumentBlock) {
    TVelkForm applet;
    applet.setClientSize(105, 175);
    applet.textBox().setBounds(-1, 150, 1, 1);
    const auto lines = buildAppletHTML(applet);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "<APPLET CODE=\"velkbutton.class\" WIDTH=105 HEIGHT=150>");
    EXPECT_EQ(lines[1],
              "<PARAM NAME=\"GENERATOR\" VALUE=\"CREATED WITH THE WENDLE WWW.WENDLE.EXAMPLE\">");
    EXPECT_EQ(lines[2],
              "<PARAM NAME=\"GENERAL\" "
              "VALUE=\"0|5|000000| |1|0|0|1000|Loading...|000000|FFFFFF|000000\">");
    EXPECT_EQ(lines[3], "<PARAM NAME=\"BORDER\"  VALUE=\"4|C0C0C0|1|0|28\">");
    EXPECT_EQ(lines[4],
              "<PARAM NAME=\"TEXT BOX\" VALUE=\"-1|125|1|1|0|12|0|FFFFFF|1|0000FF|000000|1\">");
    EXPECT_EQ(lines[5], "</APPLET>");
    EXPECT_EQ(applet.imageName(), "");  // the space is output only
}

TEST(AppletHTML, AppletParametersFollowTheirSettings) {
    struct Case {
        const char* name;
        void (*apply)(TVelkForm&);
        int line;   // 2 GENERAL, 3 BORDER
        int field;  // 1-based
        const char* expected;
    } cases[] = {
        {"gradient on", [](TVelkForm& a) { a.setFade(true); }, 2, 12, "000040"},
        {"gradient off", [](TVelkForm& a) { a.setBkColor(0x00123456); }, 2, 12, "563412"},
        {"lowered border", [](TVelkForm& a) { a.setRaised(false); }, 3, 4, "1"},
        {"raised border", [](TVelkForm& a) { a.setRaised(true); }, 3, 4, "0"},
        {"empty load text", [](TVelkForm& a) { a.setLoadText(""); }, 2, 9, " "},
        {"image", [](TVelkForm& a) { a.setImageName("bg.jpg"); }, 2, 4, "bg.jpg"},
    };
    for (const auto& c : cases) {
        TVelkForm applet;
        c.apply(applet);
        const auto lines = buildAppletHTML(applet);
        EXPECT_EQ(
            barFields(paramValue(lines[std::size_t(c.line)]), false)[std::size_t(c.field - 1)],
            c.expected)
            << c.name;
    }
    TVelkForm applet;
    applet.setLoadText("");
    buildAppletHTML(applet);
    EXPECT_EQ(applet.loadText(), " ");
    applet.setFade(false);
    buildAppletHTML(applet);
    EXPECT_EQ(applet.fadeColor(), 0x00400000u);  // the applet's own gradient colour stays
}

TEST(AppletHTML, NamesButtonsByOrdinalInCreationOrder) {
    TVelkForm applet;
    for (int i = 0; i < 8; ++i) applet.CreateMenuItem();
    for (int slot : {0, 1, 2, 3, 5, 6, 7}) applet.deleteButton(slot);
    applet.CreateMenuItem();                                     // slot 0
    for (int i = 0; i < 6; ++i) applet.CreateMenuItem();         // slots 1..3, 5..7
    for (int slot : {1, 2, 3, 5, 6}) applet.deleteButton(slot);  // leaves 4, 0, 7
    ASSERT_EQ(applet.usedSlots(), (std::vector<int>{4, 0, 7}));

    const auto lines = buildAppletHTML(applet);
    ASSERT_EQ(lines.size(), 9u);
    const char* captions[] = {"Button 5 ~ ", "Button 1 ~ ", "Button 8 ~ "};
    for (int n = 0; n < 3; ++n) {
        const std::string& line = lines[std::size_t(5 + n)];
        EXPECT_EQ(line.rfind("<PARAM NAME=\"" + std::to_string(n) + "\" VALUE=\"", 0), 0u);
        EXPECT_EQ(barFields(paramValue(line))[14 + 10], captions[n]);
    }
}

TEST(AppletHTML, AlternativeHtmlLinesComeBeforeTheClosingTag) {
    TVelkForm applet;
    applet.setAltHTML("<P>No applet here.</P>\r\n<P>Sorry.</P>");
    const auto lines = buildAppletHTML(applet);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5], "<P>No applet here.</P>");
    EXPECT_EQ(lines[6], "<P>Sorry.</P>");
    EXPECT_EQ(lines[7], "</APPLET>");
}

TEST(CharacterChecks, RefuseTheParameterSeparators) {
    struct Case {
        const char* text;
        bool refused;
        bool refused2;
    } cases[] = {{"Home", false, false},     {"a|b", true, true}, {"say \"hi\"", true, true},
                 {"~/news", true, false},    {"", false, false},  {"100% & <b>", false, false},
                 {"tab\there", false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(checkCharacters(c.text), c.refused) << c.text;
        EXPECT_EQ(checkCharacters2(c.text), c.refused2) << c.text;
    }
    const std::string message = messages::kCheckCharacters;
    const std::string message2 = messages::kCheckCharacters2;
    EXPECT_EQ(message.size(), 100u);
    EXPECT_EQ(message2.size(), 97u);
    EXPECT_EQ(message.rfind("        You cannot use the |, ~ or \" character.\n", 0), 0u);
    EXPECT_EQ(message.find('\r'), std::string::npos);
    EXPECT_EQ(message2.substr(message2.find('\n') + 1),
              "Remove these characters or the applet will not work.");
}

}  // namespace
}  // namespace wendle
