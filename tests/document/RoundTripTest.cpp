#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/DocumentReader.h"
#include "document/DocumentWriter.h"
#include "model/UpdatingControls.h"

namespace wendle::document {
namespace {

using test::expectSameDocument;
using test::fillEveryField;

// Builds the same applet every time for a seed and a number of buttons.
void build(TVelkForm& applet, int buttons, int seed) {
    for (int i = 0; i < buttons; ++i) applet.CreateMenuItem();
    fillEveryField(applet, seed);
}

struct RoundTripCase {
    const char* name;
    int buttons;
    int seed;
};

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, ReadingAWrittenDocumentGivesBackEveryStoredField) {
    const auto& c = GetParam();
    AppletDocumentHost source;
    build(source.resetDocument(), c.buttons, c.seed);
    const std::string bytes = composeDocument(source.applet()).bytes;

    AppletDocumentHost target;
    const ReadResult read = readDocumentText(bytes, "/documents/round.wdf", target);
    ASSERT_EQ(read.outcome, ReadOutcome::Read) << ::testing::PrintToString(read.messages);
    EXPECT_TRUE(read.messages.empty());
    EXPECT_FALSE(updatingControls());

    AppletDocumentHost expected;
    build(expected.resetDocument(), c.buttons, c.seed);
    expectSameDocument(expected.applet(), target.applet());
    EXPECT_EQ(target.applet().documentPath(), "/documents/round.wdf");
    EXPECT_TRUE(target.applet().modified());

    // And the file it gives is the file it came from.
    EXPECT_EQ(composeDocument(target.applet()).bytes, bytes);
}

INSTANTIATE_TEST_SUITE_P(Documents, RoundTrip,
                         ::testing::Values(RoundTripCase{"NoButtons", 0, 1},
                                           RoundTripCase{"OneButton", 1, 2},
                                           RoundTripCase{"SevenButtons", 7, 3},
                                           RoundTripCase{"NinetyNineButtons", 99, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundTrip, ButtonsAfterDeletionsReadBackInOrdinalOrder) {
    AppletDocumentHost source;
    TVelkForm& applet = source.resetDocument();
    for (int i = 0; i < 3; ++i) applet.CreateMenuItem();
    applet.deleteButton(1);
    applet.CreateMenuItem();  // slot 1 again, now the third button
    fillEveryField(applet, 9);
    const std::string bytes = composeDocument(applet).bytes;

    AppletDocumentHost target;
    ASSERT_EQ(readDocumentText(bytes, "/d/x.wdf", target).outcome, ReadOutcome::Read);
    EXPECT_EQ(target.applet().usedSlots(), (std::vector<int>{0, 1, 2}));
    // Same fields by ordinal: compare against a fresh copy with the same order.
    AppletDocumentHost expected;
    TVelkForm& again = expected.resetDocument();
    for (int i = 0; i < 3; ++i) again.CreateMenuItem();
    again.deleteButton(1);
    again.CreateMenuItem();
    fillEveryField(again, 9);
    expectSameDocument(again, target.applet());
}

TEST(RoundTrip, PlaceholdersOfAnEarlierRebuildAreReadBackAsTheyAre) {
    AppletDocumentHost source;
    TVelkForm& applet = source.resetDocument();
    applet.CreateMenuItem();
    composeDocument(applet);  // the rebuild stores its placeholders
    const std::string bytes = composeDocument(applet).bytes;

    AppletDocumentHost target;
    ASSERT_EQ(readDocumentText(bytes, "/d/x.wdf", target).outcome, ReadOutcome::Read);
    const TVelkPanel& first = *target.applet().statePanel(1, 0);
    EXPECT_EQ(first.link(), " ");
    EXPECT_EQ(first.status(), " ");
    EXPECT_EQ(first.hintText(), " ");
    EXPECT_EQ(first.fadeColor(), 0x00800000u);
    EXPECT_EQ(target.applet().statePanel(2, 0)->link(), "");
}

}  // namespace
}  // namespace wendle::document
