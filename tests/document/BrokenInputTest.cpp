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

std::string integerError(const std::string& line) {
    return "'" + line + messages::kNotValidInteger;
}

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
        {"HeaderOnly", [] { return firstLines(3); }, ReadOutcome::Stopped, integerError("")},
        {"CountNotANumber", [] { return with(kCountLine, "four"); }, ReadOutcome::Stopped,
         integerError("four")},
        {"CountAbove99", [] { return with(kCountLine, "100"); }, ReadOutcome::Stopped,
         "'100" + std::string(messages::kNotValidButtonCount)},
        {"CountBelow0", [] { return with(kCountLine, "-1"); }, ReadOutcome::Stopped,
         "'-1" + std::string(messages::kNotValidButtonCount)},
        {"CountBeyond32Bits", [] { return with(kCountLine, "99999999999"); }, ReadOutcome::Stopped,
         integerError("99999999999")},
        {"HugeWidth", [] { return with(kWidthLine, "2000000000"); }, ReadOutcome::Stopped,
         "'2000000000" + std::string(messages::kNotValidSize)},
        {"NegativeHeight", [] { return with(kHeightLine, "-5"); }, ReadOutcome::Stopped,
         "'-5" + std::string(messages::kNotValidSize)},
        {"UnknownColourName", [] { return with(kFadeColorLine, "clPink"); }, ReadOutcome::Stopped,
         integerError("clPink")},
        {"ButtonWidthHuge", [] { return with(kRecordWidth, "$7FFFFFFF"); }, ReadOutcome::Stopped,
         "'$7FFFFFFF" + std::string(messages::kNotValidSize)},
        {"ButtonTopFarAway", [] { return with(kRecordTop, "-40000"); }, ReadOutcome::Stopped,
         "'-40000" + std::string(messages::kNotValidPosition)},
        {"CaptionCountHuge", [] { return with(kCaptionCount, "2147483647"); }, ReadOutcome::Stopped,
         integerError("")},
        {"MoreButtonsThanRecords", [] { return with(kCountLine, "2"); }, ReadOutcome::Stopped,
         // The second button's record would start where the text box is.
         integerError("clWhite")},
        {"CutInTheMiddleOfARecord", [] { return firstLines(kRecord + 20); }, ReadOutcome::Stopped,
         integerError("")},
        {"CutBeforeTheTextBox", [] { return firstLines(kRecord + 3 * 49 + 1 + 5); },
         ReadOutcome::Stopped, integerError("")},
        {"NulInANumber", [] { return with(kCountLine, std::string("1\0", 2)); },
         ReadOutcome::Stopped, integerError(std::string("1\0", 2))},
        {"OverlongNumberLine", [] { return with(kWidthLine, std::string(1 << 20, '7')); },
         ReadOutcome::Stopped, integerError(std::string(1 << 20, '7'))},
        {"OlderLayoutCut", [] { return std::string("Wendle File\r\nSaved long ago\r\n"); },
         ReadOutcome::Stopped, integerError("")},
        {"OlderLayoutCountAbove99",
         [] {
             Lines lines(60, "0");
             lines[0] = "Wendle File";
             lines[1] = "?";
             lines[37] = "150";
             return test::joinLines(lines);
         },
         ReadOutcome::Stopped, "'150" + std::string(messages::kNotValidButtonCount)},
        {"OlderLayoutEndlessCaptionEntries",
         [] {
             Lines lines(51, "0");
             lines[0] = "Wendle 2 File";
             lines[1] = "";
             lines[37] = "1";
             lines.insert(lines.end(), {"Name", "1", "2", "3", "4", "unused"});
             Lines group(20, "0");
             group[2] = "2147483647";
             lines.insert(lines.end(), group.begin(), group.end());
             return test::joinLines(lines);
         },
         ReadOutcome::Stopped, integerError("")},
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
