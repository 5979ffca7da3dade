#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/WorkingFolders.h"
#include "model/Colour.h"
#include "model/VelkForm.h"

namespace wendle::document {

// Test in Browser: a complete little site in "Applet Temp" (the applet
// files, copies of the images and sounds, and a page around the HTML block)
// opened in the chosen browser.

inline constexpr const char* kTestPageName = "Applet Temp.html";

// The browser choice that means the desktop's default browser.
inline constexpr const char* kDefaultBrowserChoice = "default";

// "Applet Temp/Applet Temp.html" in the working folders.
std::string testPagePath(const WorkingFolders& folders);

// The colours the test page shows the alternative HTML in: its background,
// text, link and visited-link colours.
struct PageColours {
    Colour background;
    Colour text;
    Colour link;
    Colour visitedLink;
};
PageColours testPageColours();

// The page: a black body with the HTML block centred, each of its lines
// indented by six blanks; every line ends in CR LF.
std::string testPageText(const std::vector<std::string>& htmlLines);

// Everything of Test in Browser before the browser is started: makes
// "Applet Temp" when it is missing, copies the applet files and the applet's
// images and sounds into it and writes the page anew. The system's error
// text when the folder cannot be made or the page cannot be written; the
// copies themselves are quiet, except for the files refused for their
// contents, which are said in `skipped`.
std::optional<std::string> buildTestSite(const TVelkForm& applet,
                                         const std::vector<std::string>& htmlLines,
                                         const WorkingFolders& folders,
                                         std::vector<std::string>* skipped = nullptr);

// How the page is opened, from the browser choice ("default" or the full
// path of a browser program, in file-system bytes).
struct BrowserLaunch {
    enum class Kind {
        DefaultBrowser,  // the desktop opens the page
        Program,         // the chosen program is started with the page
        NoBrowser,       // nothing usable is chosen: ask the user to choose
    };
    Kind kind = Kind::NoBrowser;
    // For Program: the program's file name, its argument (the page's path,
    // whole and unquoted) and its folder (ending in "/"), where it starts.
    std::string file;
    std::string parameters;
    std::string workingFolder;
};

// "default" (exactly) opens the page with the default browser; a path of an
// existing program file starts that program; anything else (a removed
// browser, a text that is no full path) is no browser.
BrowserLaunch browserLaunch(const std::string& choice, const std::string& testPage);

}  // namespace wendle::document
