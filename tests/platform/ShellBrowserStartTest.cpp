#include <gtest/gtest.h>

#include "platform/Shell.h"

namespace wendle::platform {
namespace {

using Arguments = std::vector<std::string>;

TEST(ShellBrowserStart, OnlyChromiumStartedByRootLeavesItsSandbox) {
    const std::string page = "/opt/pro gram/Applet Temp/Applet Temp.html";
    const struct {
        std::string program;
        bool root;
        bool noSandbox;
    } cases[] = {
        {"/usr/bin/chromium", true, true},         {"/usr/lib/chromium/chromium", true, true},
        {"/opt/google/chrome/chrome", true, true}, {"/usr/bin/chromium", false, false},
        {"/usr/bin/firefox", true, false},         {"/home/me/not-chromium", true, false},
    };
    for (const auto& c : cases) {
        const Arguments expected =
            c.noSandbox ? Arguments{c.program, "--no-sandbox", page} : Arguments{c.program, page};
        EXPECT_EQ(startArguments(c.program, page, c.root), expected) << c.program;
    }
}

}  // namespace
}  // namespace wendle::platform
