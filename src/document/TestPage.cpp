#include "document/TestPage.h"

#include "document/PublishFiles.h"
#include "platform/AtomicFile.h"

namespace wendle::document {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string htmlColour(Colour colour) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string text = "#";
    for (const std::uint8_t channel : {redOf(colour), greenOf(colour), blueOf(colour)}) {
        text += kDigits[channel >> 4];
        text += kDigits[channel & 15];
    }
    return text;
}

}  // namespace

std::string testPagePath(const WorkingFolders& folders) {
    return folders.appletTemp() + kTestPageName;
}

PageColours testPageColours() {
    return PageColours{rgb(0, 0, 0), rgb(0xFF, 0xFF, 0xFF), rgb(0x8A, 0xB4, 0xF8),
                       rgb(0xC5, 0x8A, 0xF9)};
}

std::string testPageText(const std::vector<std::string>& htmlLines) {
    std::string page;
    auto line = [&page](const std::string& text) { page += text + kLineEnd; };
    line("<html>");
    // On black, the browsers' own link blue (#0000EE) is unreadable: the
    // alternative HTML's links and text get colours of at least 4.5:1.
    const PageColours colours = testPageColours();
    line("  <body bgcolor=\"" + htmlColour(colours.background) + "\" text=\"" +
         htmlColour(colours.text) + "\" link=\"" + htmlColour(colours.link) + "\" vlink=\"" +
         htmlColour(colours.visitedLink) + "\" alink=\"#FFD54F\">");
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
                                         const WorkingFolders& folders,
                                         std::vector<std::string>* skipped) {
    if (auto error = createFolder(folders.appletTemp()))
        return error;
    copyAppletClassFiles(folders, folders.appletTemp());
    std::vector<std::string> refused = copyAppletFiles(applet, folders.appletTemp());
    if (skipped)
        *skipped = std::move(refused);
    // A browser still showing the last test reads either that page or the
    // new one, never half of it.
    const std::string page = testPagePath(folders);
    // The page is served to the browser like the files beside it.
    if (const auto written = platform::writeFileAtomically(page, testPageText(htmlLines), 0644);
        !written)
        return written.message;
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
