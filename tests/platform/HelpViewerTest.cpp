#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "platform/AtomicFile.h"
#include "platform/FileUrl.h"
#include "platform/Folders.h"
#include "platform/HelpTopics.h"
#include "platform/HelpViewer.h"

namespace wendle::platform {
namespace {

using testing::ScratchFolder;

class HelpViewerTest : public ::testing::Test {
  protected:
    HelpViewerTest() {
        ScratchFolder::writeScript(opener, "printf '%s' \"$1\" > \"$0.args\"\n");
        makeFolders(program);
    }
    std::string opened() {
        EXPECT_TRUE(
            ScratchFolder::eventually([&] { return ScratchFolder::exists(opener + ".args"); }));
        return ScratchFolder::readFile(opener + ".args");
    }

    ScratchFolder scratch;
    std::string opener = scratch / "opener";
    // Blanks and a quote in the folder must not break the forwarding page.
    std::string program = scratch / "My \"Programs\" & Co/";
    Shell shell{opener};
    HelpViewer help{shell, program, userCacheFolder()};
};

TEST_F(HelpViewerTest, ATopicOpensAForwardingPageToItsAnchor) {
    ScratchFolder::writeFile(program + "Wendle Help.html", "<h1 id=\"topic-48\">Preview</h1>");
    ASSERT_TRUE(help.openTopic(help_topics::kPreview));

    const std::string page = opened();
    EXPECT_EQ(page, scratch / "cache/wendle/help-topic-48.html");
    const std::string url = fileUrl(program + "Wendle Help.html", "topic-48");
    EXPECT_EQ(url.find_first_of("\"<>&' "), std::string::npos);
    const std::string html = ScratchFolder::readFile(page);
    EXPECT_NE(html.find("url=" + url + "\""), std::string::npos);
    EXPECT_NE(html.find("location.replace(\"" + url + "\")"), std::string::npos);
    EXPECT_EQ(pathOfFileUrl(url), program + "Wendle Help.html");
}

TEST_F(HelpViewerTest, TheContentsOpenTheDocumentItself) {
    ScratchFolder::writeFile(program + "Wendle Help.html", "");
    ASSERT_TRUE(help.openContents());
    EXPECT_EQ(opened(), program + "Wendle Help.html");
}

TEST_F(HelpViewerTest, AMissingHelpDocumentIsReportedAndNothingIsOpened) {
    IoResult result = help.openTopic(help_topics::kBrowserChooser);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, program + "Wendle Help.html: No such file or directory");
    EXPECT_FALSE(help.openContents());
    EXPECT_FALSE(ScratchFolder::exists(opener + ".args"));
}

TEST(HelpTopicAnchor, IsTheTopicNumberWithTwoDigitsAtLeast) {
    EXPECT_EQ(HelpViewer::topicAnchor(help_topics::kAppletDimensions), "topic-16");
    EXPECT_EQ(HelpViewer::topicAnchor(7), "topic-07");
    EXPECT_EQ(HelpViewer::topicAnchor(123), "topic-123");
}

}  // namespace
}  // namespace wendle::platform
