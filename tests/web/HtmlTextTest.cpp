#include <gtest/gtest.h>

#include "web/HtmlText.h"

namespace wendle::web {
namespace {

TEST(WebNameTest, MadeOfLowerCaseLettersDigitsAndSingleDashes) {
    const struct {
        const char* documentPath;
        const char* name;
    } cases[] = {
        {"/home/a/Toolbar One.wdf", "toolbar-one"},
        {"Toolbar Ten.wdf", "toolbar-ten"},
        {"/x/../My  Bar (2).wdf", "my-bar-2"},
        {"/x/--weird__name--.wdf", "weird-name"},
        {"C:\\Sites\\Menu.WDF", "menu"},
        {"/x/\xE9t\xE9.wdf", "t"},
        {"/x/.wdf", "wdf"},
        {"/x/\xE9\xE9.wdf", "wendle-bar"},
        {"", "wendle-bar"},
        {"/x/a.b.c.wdf", "a-b-c"},
    };
    for (const auto& c : cases) EXPECT_EQ(webName(c.documentPath), c.name) << c.documentPath;
}

TEST(HtmlTextTest, MarkupCharactersBecomeReferences) {
    EXPECT_EQ(escapeHtml("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&#39;");
    EXPECT_EQ(escapeHtml("caf\xC3\xA9"), "caf\xC3\xA9");
}

TEST(HtmlTextTest, FileNamesStayOneRelativeUrl) {
    const struct {
        const char* name;
        const char* url;
    } cases[] = {
        {"click.au", "click.au"}, {"a b#1?.au", "a%20b%231%3F.au"}, {"100%.wav", "100%25.wav"},
        {"x:y.au", "x%3Ay.au"},   {"\xC3\xA9.au", "%C3%A9.au"},
    };
    for (const auto& c : cases) EXPECT_EQ(urlForFileName(c.name), c.url) << c.name;
}

TEST(HtmlTextTest, SingleLineJoinsCaptionLines) {
    EXPECT_EQ(singleLine("  Our\r\nProducts \t now "), "Our Products now");
    EXPECT_EQ(singleLine(" "), "");
}

}  // namespace
}  // namespace wendle::web
