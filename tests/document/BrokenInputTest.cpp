#include <gtest/gtest.h>

#include <functional>

#include "DocumentTestSupport.h"
#include "document/DocumentMessages.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "document/NewDocument.h"
#include "model/UpdatingControls.h"

namespace wendle::document {
namespace {

using Lines = std::vector<std::string>;

// Line numbers (0-based) in the file of a new document with one button.
constexpr std::size_t kCountLine = 3;
constexpr std::size_t kWidthLine = 4;
constexpr std::size_t kHeightLine = 5;
constexpr std::size_t kFadeColorLine = 16;
constexpr std::size_t kRecord = 33;
constexpr std::size_t kRecordWidth = kRecord + 2;
constexpr std::size_t kRecordTop = kRecord + 5;
constexpr std::size_t kCaptionCount = kRecord + 39;

Lines oneButtonDocument() {
    auto applet = newDocumentApplet();
    applet->CreateMenuItem();
    return test::linesOf(composeDocument(*applet).bytes);
}

std::string with(std::size_t index, const std::string& line) {
    Lines lines = oneButtonDocument();
    lines.at(index) = line;
    return test::joinLines(lines);
}

std::string firstLines(std::size_t count) {
    Lines lines = oneButtonDocument();
    lines.resize(count);
    return test::joinLines(lines);
}

// What a read that stopped says: the file, the line, what the line had to
// hold and what it held.
std::string stopped(int line, const std::string& expected, const std::string& found) {
    return "broken.wdf, line " + std::to_string(line) + ": expected " + expected + ", found " +
           found;
}

const std::string kNumber = "a whole number";
const std::string kColourValue = "a colour (a name such as clNavy, or a number)";
const std::string kButtons = "a number of buttons from 0 to 99";
const std::string kWidth = "a size in pixels from 0 to 8192";
const std::string kClientHeight = "a size in pixels from 0 to 8217";
const std::string kPlace = "a position in pixels from -32768 to 32767";
const std::string kEnd = "the end of the file";

// The first line of the text box block, 1-based, in a one-button document:
// the header and the three state records (50, 49 and 49 lines) lie before.
constexpr int kTextBoxLine = int(kRecord) + 50 + 49 + 49 + 1;

struct BrokenCase {
    const char* name;
    std::function<std::string()> text;
    ReadOutcome outcome;
    std::string lastMessage;
};

std::vector<BrokenCase> brokenCases() {
    const std::string notValid = messages::kNotValidFile;
    return {
        {"Empty", [] { return std::string(); }, ReadOutcome::NotWendleFile, notValid},
        {"WrongCase", [] { return std::string("wendle file\r\n"); }, ReadOutcome::NotWendleFile,
         notValid},
        {"Binary", [] { return std::string("\x89PNG\r\n\x1a\n\0\0\0", 11); },
         ReadOutcome::NotWendleFile, notValid},
        {"CarriageReturnsOnly",
         [] {
             std::string text = test::joinLines(oneButtonDocument());
             std::erase(text, '\n');
             return text;
         },
         ReadOutcome::NotWendleFile, notValid},
        {"TitleWithTrailingBlank", [] { return with(0, "Wendle File "); },
         ReadOutcome::NotWendleFile, notValid},
        {"HeaderOnly", [] { return firstLines(3); }, ReadOutcome::Stopped,
         stopped(4, kButtons, kEnd)},
        {"CountEmpty", [] { return with(kCountLine, ""); }, ReadOutcome::Stopped,
         stopped(4, kButtons, "an empty line")},
        {"CountNotANumber", [] { return with(kCountLine, "four"); }, ReadOutcome::Stopped,
         stopped(4, kButtons, "'four'")},
        {"CountAbove99", [] { return with(kCountLine, "100"); }, ReadOutcome::Stopped,
         stopped(4, kButtons, "'100'")},
        {"CountBelow0", [] { return with(kCountLine, "-1"); }, ReadOutcome::Stopped,
         stopped(4, kButtons, "'-1'")},
        {"CountBeyond32Bits", [] { return with(kCountLine, "99999999999"); }, ReadOutcome::Stopped,
         stopped(4, kButtons, "'99999999999'")},
        {"HugeWidth", [] { return with(kWidthLine, "2000000000"); }, ReadOutcome::Stopped,
         stopped(5, kWidth, "'2000000000'")},
        {"NegativeHeight", [] { return with(kHeightLine, "-5"); }, ReadOutcome::Stopped,
         stopped(6, kClientHeight, "'-5'")},
        {"UnknownColourName", [] { return with(kFadeColorLine, "clPink"); }, ReadOutcome::Stopped,
         stopped(17, kColourValue, "'clPink'")},
        {"ButtonWidthHuge", [] { return with(kRecordWidth, "$7FFFFFFF"); }, ReadOutcome::Stopped,
         stopped(int(kRecordWidth) + 1, kWidth, "'$7FFFFFFF'")},
        {"ButtonTopFarAway", [] { return with(kRecordTop, "-40000"); }, ReadOutcome::Stopped,
         stopped(int(kRecordTop) + 1, kPlace, "'-40000'")},
        {"CaptionCountHuge", [] { return with(kCaptionCount, "2147483647"); }, ReadOutcome::Stopped,
         // The caption takes every line to the end; its colour is missing.
         stopped(int(oneButtonDocument().size()) + 1, kColourValue, kEnd)},
        {"MoreButtonsThanRecords", [] { return with(kCountLine, "2"); }, ReadOutcome::Stopped,
         // The second button's record starts where the text box is, so its
         // border width falls on the text box's text colour.
         stopped(kTextBoxLine + 9, kNumber, "'clWhite'")},
        {"CutInTheMiddleOfARecord", [] { return firstLines(kRecord + 20); }, ReadOutcome::Stopped,
         stopped(int(kRecord) + 21, kNumber, kEnd)},
        {"CutBeforeTheTextBox", [] { return firstLines(std::size_t(kTextBoxLine) + 4); },
         ReadOutcome::Stopped, stopped(kTextBoxLine + 5, kNumber, kEnd)},
        {"NulInANumber", [] { return with(kCountLine, std::string("1\0", 2)); },
         ReadOutcome::Stopped, stopped(4, kButtons, std::string("'1\0'", 4))},
        {"OverlongNumberLine", [] { return with(kWidthLine, std::string(1 << 20, '7')); },
         ReadOutcome::Stopped,
         // Quoted up to 80 characters only, and the cut is said.
         stopped(5, kWidth, "'" + std::string(80, '7') + "...' (cut; 1048576 characters in all)")},
        {"OlderLayoutCut", [] { return std::string("Wendle File\r\nSaved long ago\r\n"); },
         ReadOutcome::Stopped, stopped(21, kWidth, kEnd)},
        {"OlderLayoutCountAbove99",
         [] {
             Lines lines(60, "0");
             lines[0] = "Wendle File";
             lines[1] = "?";
             lines[21] = "100";
             lines[37] = "150";
             return test::joinLines(lines);
         },
         ReadOutcome::Stopped, stopped(38, kButtons, "'150'")},
        {"OlderLayoutEndlessCaptionEntries",
         [] {
             Lines lines(51, "0");
             lines[0] = "Wendle 2 File";
             lines[1] = "";
             lines[21] = "100";
             lines[37] = "1";
             lines.insert(lines.end(), {"Name", "1", "2", "3", "4", "unused"});
             Lines group(20, "0");
             group[2] = "2147483647";
             lines.insert(lines.end(), group.begin(), group.end());
             return test::joinLines(lines);
         },
         // 77 lines: the first caption entry's text would be line 78, its
         // colour line 79.
         ReadOutcome::Stopped, stopped(79, kColourValue, kEnd)},
    };
}

class BrokenInput : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenInput, EndsWithItsMessageAndAConsistentApplet) {
    const BrokenCase& c = GetParam();
    AppletDocumentHost host;
    TVelkForm& before = host.resetDocument();
    before.CreateMenuItem();
    before.setDocumentPath("/documents/current.wdf");

    const ReadResult result = readDocumentText(c.text(), "/documents/broken.wdf", host);
    EXPECT_EQ(result.outcome, c.outcome);
    ASSERT_FALSE(result.messages.empty());
    EXPECT_EQ(result.messages.back(), c.lastMessage);
    EXPECT_EQ(host.messages(), result.messages);
    EXPECT_TRUE(test::isConsistent(host.applet()));
    EXPECT_FALSE(updatingControls());
    if (c.outcome == ReadOutcome::NotWendleFile) {
        // The current applet was not touched.
        EXPECT_EQ(&host.applet(), &before);
        EXPECT_EQ(host.applet().documentPath(), "/documents/current.wdf");
    } else {
        // A half-read document is untitled, so Save cannot overwrite the
        // broken file with what little was read.
        EXPECT_EQ(host.applet().documentPath(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenInput, ::testing::ValuesIn(brokenCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BrokenInput, AStoppedReadKeepsTheButtonsItCreated) {
    AppletDocumentHost host;
    const ReadResult result = readDocumentText(with(kCountLine, "2"), "/d/x.wdf", host);
    ASSERT_EQ(result.outcome, ReadOutcome::Stopped);
    EXPECT_EQ(host.applet().buttonCount(), 2);
    EXPECT_EQ(host.applet().statePanel(1, 0)->itemName(), "Button 1");
}

// A client height too small for the tool bar strip would give the page a
// negative applet HEIGHT: it is brought up to the strip, and that is said.
TEST(BrokenInput, AClientHeightWithNoRoomForTheAppletIsBroughtUp) {
    const auto older = [](const std::string& height) {
        Lines lines(51, "0");
        lines[0] = "Wendle File";
        lines[1] = "?";
        lines[20] = "100";
        lines[21] = height;
        return test::joinLines(lines);
    };
    const auto version45 = [](const std::string& height) {
        Lines lines = oneButtonDocument();
        lines[1] = "Saved in Version 4.5";
        lines[kHeightLine] = height;
        return test::joinLines(lines);
    };
    const struct {
        const char* name;
        std::string text;
        int clientHeight;
        std::string note;  // empty: nothing to say
    } cases[] = {
        {"Zero", with(kHeightLine, "0"), 25,
         "broken.wdf, line 6: the preview's client height 0 leaves no room for the applet; it "
         "was brought up to 25."},
        {"JustBelow", with(kHeightLine, "24"), 25,
         "broken.wdf, line 6: the preview's client height 24 leaves no room for the applet; it "
         "was brought up to 25."},
        {"Smallest", with(kHeightLine, "25"), 25, ""},
        {"AppletHeightNegativeInVersion45", version45("-20"), 25,
         "broken.wdf, line 6: the preview's client height 5 leaves no room for the applet; it "
         "was brought up to 25."},
        {"OlderLayout", older("3"), 25,
         "broken.wdf, line 22: the preview's client height 3 leaves no room for the applet; it "
         "was brought up to 25."},
    };
    for (const auto& c : cases) {
        AppletDocumentHost host;
        const ReadResult result = readDocumentText(c.text, "/documents/broken.wdf", host);
        EXPECT_TRUE(result.succeeded()) << c.name;
        EXPECT_EQ(host.applet().clientHeight(), c.clientHeight) << c.name;
        EXPECT_GE(host.applet().appletHeight(), 0) << c.name;
        const bool noted = std::find(result.messages.begin(), result.messages.end(), c.note) !=
                           result.messages.end();
        if (c.note.empty()) {
            EXPECT_TRUE(result.messages.empty()) << c.name;
        } else {
            EXPECT_TRUE(noted) << c.name << ": " << ::testing::PrintToString(result.messages);
        }
        EXPECT_EQ(host.messages(), result.messages) << c.name;
    }
}

struct LineEndCase {
    const char* name;
    std::function<std::string(std::string)> change;
};

TEST(LineEnds, BareLineFeedsAndAMissingLastLineEndReadTheSame) {
    auto applet = newDocumentApplet();
    applet->CreateMenuItem();
    applet->statePanel(1, 0)->setCaption("Two\r\nlines");
    const std::string original = composeDocument(*applet).bytes;
    const LineEndCase cases[] = {
        {"CrLf", [](std::string t) { return t; }},
        {"BareLf",
         [](std::string t) {
             std::erase(t, '\r');
             return t;
         }},
        {"NoFinalLineEnd",
         [](std::string t) {
             const auto html = t.find("[BEGIN HTML]");
             return t.substr(0, html - 2);
         }},
        {"FinalCarriageReturnOnly",
         [](std::string t) {
             const auto html = t.find("[BEGIN HTML]");
             return t.substr(0, html - 1);
         }},
    };
    for (const auto& c : cases) {
        AppletDocumentHost host;
        const ReadResult result = readDocumentText(c.change(original), "/d/x.wdf", host);
        ASSERT_EQ(result.outcome, ReadOutcome::Read) << c.name;
        EXPECT_EQ(host.applet().statePanel(1, 0)->caption(), "Two\r\nlines") << c.name;
        EXPECT_EQ(host.applet().textBoxVisible(), 0) << c.name;
    }
}

TEST(LineEnds, AnOverlongTextLineIsKept) {
    const std::string longName(3 << 20, 'n');
    AppletDocumentHost host;
    ASSERT_EQ(readDocumentText(with(kRecord + 1, longName), "/d/x.wdf", host).outcome,
              ReadOutcome::Read);
    EXPECT_EQ(host.applet().statePanel(1, 0)->itemName(), longName);
}

}  // namespace
}  // namespace wendle::document
