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
    HelpViewerTest() { makeFolders(program); }

    ScratchFolder scratch;
    // Blanks and a quote in the folder must not break the forwarding page.
    std::string program = scratch / "My \"Programs\" & Co/";
    HelpViewer help{program, userCacheFolder()};
};

TEST_F(HelpViewerTest, ATopicIsAForwardingPageToItsAnchor) {
    ScratchFolder::writeFile(program + "Wendle Help.html", "<h1 id=\"topic-48\">Preview</h1>");
    const HelpViewer::Page page = help.pageFor(help_topics::kPreview);
    ASSERT_TRUE(page.result) << page.result.message;

    EXPECT_EQ(page.path, scratch / "cache/wendle/help-topic-48.html");
    const std::string url = fileUrl(program + "Wendle Help.html", "topic-48");
    EXPECT_EQ(url.find_first_of("\"<>&' "), std::string::npos);
    const std::string html = ScratchFolder::readFile(page.path);
    EXPECT_NE(html.find("url=" + url + "\""), std::string::npos);
    EXPECT_NE(html.find("location.replace(\"" + url + "\")"), std::string::npos);
    EXPECT_EQ(pathOfFileUrl(url), program + "Wendle Help.html");
}

TEST_F(HelpViewerTest, TheContentsAreTheDocumentItself) {
    ScratchFolder::writeFile(program + "Wendle Help.html", "");
    const HelpViewer::Page page = help.pageFor(0);
    ASSERT_TRUE(page.result);
    EXPECT_EQ(page.path, program + "Wendle Help.html");
}

TEST_F(HelpViewerTest, WithoutTheHelpDocumentThereIsNoPage) {
    for (int topic : {0, help_topics::kBrowserChooser}) {
        const HelpViewer::Page page = help.pageFor(topic);
        EXPECT_FALSE(page.result) << topic;
        EXPECT_EQ(page.result.message, program + "Wendle Help.html: No such file or directory");
        EXPECT_EQ(page.path, "") << topic;
    }
    EXPECT_FALSE(ScratchFolder::exists(scratch / "cache/wendle/help-topic-32.html"));
}

TEST(HelpTopicAnchor, IsTheTopicNumberWithTwoDigitsAtLeast) {
    EXPECT_EQ(HelpViewer::topicAnchor(help_topics::kAppletDimensions), "topic-16");
    EXPECT_EQ(HelpViewer::topicAnchor(7), "topic-07");
    EXPECT_EQ(HelpViewer::topicAnchor(123), "topic-123");
}

}  // namespace
}  // namespace wendle::platform
