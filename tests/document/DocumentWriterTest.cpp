#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/DocumentWriter.h"
#include "document/NewDocument.h"
#include "model/AppletHTML.h"

namespace wendle::document {
namespace {

using test::linesOf;

std::vector<std::string> repeat(const std::string& line, int count) {
    return std::vector<std::string>(std::size_t(count), line);
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The record of a new button's state as the file stores it before any HTML
// was generated; state 1 carries the item name.
std::vector<std::string> newButtonRecord(int state, const std::string& fontColor,
                                         const std::string& highlight) {
    std::vector<std::string> lines = {"-------BUTTON 0, STATE " + std::to_string(state) +
                                      "----------"};
    if (state == 1)
        lines.push_back("Button 1");
    return lines +
           std::vector<std::string>{
               "95",      "30",       "5", "30", "clBlack", "clNavy", "clNavy",   "2",
               "3",       "24",       "0", "1",  "0",       "2",      "14",       "0",
               fontColor, "clYellow", "2", "",   "2",       "12",     "0",        "$0080FFFF",
               "clBlack", "clBlack",  "",  "-1", "",        "",       "2",        "0",
               "0",       "",         "",  "",   "",        "1",      "Button 1", highlight,
               "0",       "0",        ""} +
           repeat("", 5);
}

class NewDocumentFile : public ::testing::Test {
  protected:
    void SetUp() override {
        applet_ = newDocumentApplet();
        applet_->CreateMenuItem();
        composed_ = composeDocument(*applet_);
        lines_ = linesOf(composed_.bytes);
    }
    std::unique_ptr<TVelkForm> applet_;
    ComposedDocument composed_;
    std::vector<std::string> lines_;
};

TEST_F(NewDocumentFile, EveryLineEndsInCrLf) {
    ASSERT_GE(composed_.bytes.size(), 2u);
    EXPECT_EQ(composed_.bytes.substr(composed_.bytes.size() - 2), "\r\n");
    std::size_t feeds = 0;
    for (std::size_t i = 0; i < composed_.bytes.size(); ++i) {
        if (composed_.bytes[i] != '\n')
            continue;
        ++feeds;
        ASSERT_TRUE(i > 0 && composed_.bytes[i - 1] == '\r') << "bare line feed at " << i;
    }
    EXPECT_EQ(feeds, lines_.size());
}

TEST_F(NewDocumentFile, HasTheHeaderRecordsTextBoxAndHtmlOfTheFormat) {
    const std::vector<std::string> header =
        std::vector<std::string>{"Wendle File",
                                 "Saved in Version 5.0",
                                 "This file can only be opened in the Wendle",
                                 "1",
                                 "105",
                                 "175",
                                 "4",
                                 "1",
                                 "28",
                                 "",
                                 "",
                                 "0",
                                 "0",
                                 "1",
                                 "",
                                 "Loading...",
                                 "$00400000",
                                 "clSilver",
                                 "clBlack",
                                 "clBlack",
                                 "clWhite",
                                 "1",
                                 "0"} +
        repeat("", 10);
    const std::vector<std::string> textBox = {
        "-1", "150", "1", "1", "0", "12", "0", "1", "1", "clWhite", "clBlue", "clBlack", "0"};
    const auto expected = header + newButtonRecord(1, "clWhite", "clYellow") +
                          newButtonRecord(2, "clYellow", "clRed") +
                          newButtonRecord(3, "clWhite", "clGreen") + textBox +
                          std::vector<std::string>{"[BEGIN HTML]"} + composed_.html +
                          std::vector<std::string>{"[END HTML]"};
    EXPECT_EQ(lines_, expected);
    EXPECT_EQ(newButtonRecord(1, "", "").size(), 50u);
    EXPECT_EQ(newButtonRecord(2, "", "").size(), 49u);
}

TEST_F(NewDocumentFile, HtmlSectionShowsThePlaceholdersTheRecordsDoNotYetHave) {
    // The records were written before the rebuild: the link line is empty...
    EXPECT_EQ(lines_[33 + 37], "");
    // ...while the HTML section, rebuilt afterwards, has the placeholders,
    // which the applet now holds and the next save writes.
    EXPECT_EQ(composed_.html, buildAppletHTML(*applet_));
    EXPECT_EQ(applet_->statePanel(1, 0)->link(), " ");
    const auto again = linesOf(composeDocument(*applet_).bytes);
    EXPECT_EQ(again[33 + 37], " ");
}

TEST(DocumentWriter, CaptionsAreCountedLinesAndOtherTextsStayOnOneLine) {
    auto applet = newDocumentApplet();
    const int slot = applet->CreateMenuItem().slot;
    TVelkPanel& first = *applet->statePanel(1, slot);
    first.setCaption("Our\r\nShop\r\n");
    first.setStatus("two\nlines");
    applet->statePanel(2, slot)->setCaption("bare\nfeed");
    const auto lines = linesOf(composeDocument(*applet).bytes);

    const std::size_t record = 33;
    EXPECT_EQ(lines[record + 28], "two lines");  // status
    EXPECT_EQ(lines[record + 39], "3");          // caption line count
    EXPECT_EQ(lines[record + 40], "Our");
    EXPECT_EQ(lines[record + 41], "Shop");
    EXPECT_EQ(lines[record + 42], "");
    EXPECT_EQ(lines[record + 43], "clYellow");   // highlightColor follows
    const std::size_t second = record + 49 + 3;  // 48 + item name + three caption lines
    EXPECT_EQ(lines[second], "-------BUTTON 0, STATE 2----------");
    EXPECT_EQ(lines[second + 38], "2");
    EXPECT_EQ(lines[second + 39], "bare");
    EXPECT_EQ(lines[second + 40], "feed");
}

TEST(DocumentWriter, RecordsFollowTheButtonOrdinalsNotTheSlots) {
    auto applet = newDocumentApplet();
    for (int i = 0; i < 3; ++i) applet->CreateMenuItem();
    applet->deleteButton(0);
    applet->CreateMenuItem();  // takes slot 0 again, ordinal 2
    const auto lines = linesOf(composeDocument(*applet).bytes);
    EXPECT_EQ(lines[3], "3");
    std::vector<std::string> names;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].ends_with("STATE 1----------"))
            names.push_back(lines[i] + " " + lines[i + 1]);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"-------BUTTON 0, STATE 1---------- Button 2",
                                               "-------BUTTON 1, STATE 1---------- Button 3",
                                               "-------BUTTON 2, STATE 1---------- Button 1"}));
}

}  // namespace
}  // namespace wendle::document
