// The help document beside the program has a section for every topic the
// program opens, reachable from its contents, and stands on its own.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "platform/HelpTopics.h"
#include "platform/HelpViewer.h"

namespace wendle {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Every topic constant by its name in HelpTopics.h.
const std::map<std::string, int> kTopics = {
    {"kAppletDimensions", help_topics::kAppletDimensions},
    {"kAppletBackground", help_topics::kAppletBackground},
    {"kTextBox", help_topics::kTextBox},
    {"kButtonsTab", help_topics::kButtonsTab},
    {"kHtmlTab", help_topics::kHtmlTab},
    {"kButtonSize", help_topics::kButtonSize},
    {"kButtonBorder", help_topics::kButtonBorder},
    {"kButtonText", help_topics::kButtonText},
    {"kButtonHint", help_topics::kButtonHint},
    {"kButtonStatus", help_topics::kButtonStatus},
    {"kButtonSound", help_topics::kButtonSound},
    {"kButtonLink", help_topics::kButtonLink},
    {"kButtonBackground", help_topics::kButtonBackground},
    {"kButtonStates", help_topics::kButtonStates},
    {"kPreview", help_topics::kPreview},
    {"kAdvancedOptions", help_topics::kAdvancedOptions},
    {"kBrowserChooser", help_topics::kBrowserChooser},
};

class HelpDocument : public ::testing::Test {
  protected:
    const std::string help =
        readFile(std::string(WENDLE_PROGRAM_DIR) + "/" + platform::HelpViewer::kHelpFileName);

    // The text of the element whose id is given, up to the next section.
    std::string section(const std::string& id) const {
        const std::size_t start = help.find("id=\"" + id + "\"");
        if (start == std::string::npos)
            return {};
        const std::size_t end = help.find("<section", start);
        return help.substr(start, end == std::string::npos ? std::string::npos : end - start);
    }
};

TEST_F(HelpDocument, TheTableCoversEveryTopicTheProgramDeclares) {
    const std::string header =
        readFile(std::string(WENDLE_SOURCE_DIR) + "/src/platform/HelpTopics.h");
    ASSERT_FALSE(header.empty());
    const std::regex constant(R"(inline constexpr int (\w+) = (\d+);)");
    std::set<std::string> declared;
    for (std::sregex_iterator it(header.begin(), header.end(), constant), end; it != end; ++it) {
        const std::string name = (*it)[1];
        declared.insert(name);
        ASSERT_TRUE(kTopics.contains(name)) << name << " is new: add it to this table";
        EXPECT_EQ(kTopics.at(name), std::stoi((*it)[2])) << name;
    }
    EXPECT_EQ(declared.size(), kTopics.size());
}

TEST_F(HelpDocument, EveryTopicHasASectionReachedFromTheContents) {
    ASSERT_FALSE(help.empty());
    const std::string contents = section("contents");
    ASSERT_FALSE(contents.empty());
    for (const auto& [name, topic] : kTopics) {
        const std::string anchor = platform::HelpViewer::topicAnchor(topic);
        SCOPED_TRACE(name + " " + anchor);
        const std::string text = section(anchor);
        ASSERT_FALSE(text.empty());
        EXPECT_NE(text.find("<h2"), std::string::npos);
        // A real explanation, not a heading alone.
        EXPECT_GT(text.size(), 600u);
        EXPECT_NE(contents.find("href=\"#" + anchor + "\""), std::string::npos);
    }
}

TEST_F(HelpDocument, LinksStayInsideTheDocument) {
    std::set<std::string> ids;
    const std::regex id(R"re(id="([^"]+)")re");
    for (std::sregex_iterator it(help.begin(), help.end(), id), end; it != end; ++it) {
        EXPECT_TRUE(ids.insert((*it)[1]).second) << "twice: " << (*it)[1];
    }
    const std::regex link(R"re(<a [^>]*href="([^"]*)")re");
    for (std::sregex_iterator it(help.begin(), help.end(), link), end; it != end; ++it) {
        const std::string target = (*it)[1];
        ASSERT_FALSE(target.empty());
        if (target[0] == '#') {
            EXPECT_TRUE(ids.contains(target.substr(1))) << target;
        } else {
            // Only the samples page beside it; nothing from the network.
            EXPECT_EQ(target, "Samples.html");
        }
    }
    // Everything it shows is in the file itself.
    for (const char* outside : {"<img", "<script", "<link", "<iframe", "url("}) {
        EXPECT_EQ(help.find(outside), std::string::npos) << outside;
    }
}

}  // namespace
}  // namespace wendle
