#include "document/TestPage.h"

#include "document/AtomicFile.h"
#include "document/PublishFiles.h"

namespace wendle::document {

namespace {

constexpr const char* kLineEnd = "\r\n";

}  // namespace

std::string testPagePath(const WorkingFolders& folders) {
    return folders.appletTemp() + kTestPageName;
}

std::string testPageText(const std::vector<std::string>& htmlLines) {
    std::string page;
    auto line = [&page](const std::string& text) { page += text + kLineEnd; };
    line("<html>");
    // On black, the browsers' own link blue (#0000EE) is unreadable: the
    // alternative HTML's links and text get colours of at least 4.5:1.
    line(
        "  <body bgcolor=\"#000000\" text=\"#FFFFFF\" link=\"#8AB4F8\" vlink=\"#C58AF9\" "
        "alink=\"#FFD54F\">");
    line("    <p align=\"center\">");
    for (const std::string& html : htmlLines) line("      " + html);
    line("    </p>");
    // Today's browsers run no applets: the script draws the bar instead.
    line("    <script src=\"velkbutton.js\"></script>");
    line("  </body>");
    line("</html>");
    return page;
}

std::optional<std::string> buildTestSite(const TVelkForm& applet,
                                         const std::vector<std::string>& htmlLines,
                                         const WorkingFolders& folders) {
    if (auto error = createFolder(folders.appletTemp()))
        return error;
    copyAppletClassFiles(folders, folders.appletTemp());
    copyAppletFiles(applet, folders.appletTemp());
    // A browser still showing the last test reads either that page or the
    // new one, never half of it.
    const std::string page = testPagePath(folders);
    if (auto error = replaceFileAtomically(page, testPageText(htmlLines)))
        return page + ": " + *error;
    return std::nullopt;
}

BrowserLaunch browserLaunch(const std::string& choice, const std::string& testPage) {
    if (choice == kDefaultBrowserChoice)
        return {BrowserLaunch::Kind::DefaultBrowser, {}, testPage, {}};
    if (choice.empty() || choice.front() != '/' || !isFile(choice))
        return {};
    const auto slash = choice.rfind('/');
    return {BrowserLaunch::Kind::Program, choice.substr(slash + 1), testPage,
            choice.substr(0, slash + 1)};
}

}  // namespace wendle::document
