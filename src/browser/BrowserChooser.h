#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "browser/PackageDatabase.h"
#include "browser/RspFind.h"
#include "browser/UiDispatcher.h"

namespace wendle {

// The choice that means the system's default browser.
inline constexpr const char* kDefaultBrowser = "default";

// A browser program the chooser looks for: the file name searched for, and
// the text a find's display name begins with.
struct BrowserProgram {
    const char* fileMask;
    const char* prefix;
};
inline constexpr std::array<BrowserProgram, 2> kBrowserPrograms{
    {{"firefox", "Firefox "}, {"chromium", "Chromium "}}};

// A found browser as the chooser lists it.
struct ListedBrowser {
    std::string name;  // prefix + version, e.g. "Firefox 115.3.0esr-1"
    std::string path;  // the program file
};

// Whether a find of `program` is listed, and how: only an executable regular
// file is, named after its version (see browserVersion). The path is the
// folder and the name as found on disk.
std::optional<ListedBrowser> listedBrowser(const BrowserProgram& program,
                                           const std::string& directory, const TSearchRec& fileinfo,
                                           const PackageDatabase& packages);

// What the browser chooser window does, without the window: the two
// searches, the list of found browsers with their paths, and the choice
// that Test in Browser uses. The window forwards its controls' events here
// and shows the state; all members are for the user-interface thread.
class BrowserChooser {
  public:
    explicit BrowserChooser(UiDispatcher& dispatcher, PackageDatabase packages = PackageDatabase());

    // The two searches: RspFind1 for kBrowserPrograms[0], RspFind2 for [1].
    TRspFind RspFind1;
    TRspFind RspFind2;

    // Told when a search has appended a browser to the lists (its index),
    // which it does once for each program file, however often it is found
    // and when a new search has emptied them.
    std::function<void(std::size_t index)> OnBrowserListed;
    std::function<void()> OnListsCleared;

    const std::vector<std::string>& BrowserNames() const { return names_; }
    const std::vector<std::string>& BrowserPaths() const { return paths_; }
    // "default" or the full path of the chosen browser program.
    const std::string& browser() const { return browser_; }
    // The state of "Use Default Browser".
    bool useDefaultBrowser() const { return useDefault_; }

    // Puts back what was kept from an earlier run. Lists of different
    // lengths are cut to the shorter, so that a name never points at another
    // browser's path; an empty choice is the default browser.
    void restore(std::vector<std::string> names, std::vector<std::string> paths,
                 std::string choice);

    // The window is being shown: "Use Default Browser" is ticked when the
    // choice is the default browser, and otherwise left as it is.
    void shown();
    // "&Search for Browsers": empties the lists and starts both searches
    // over every fixed drive (a search still running is stopped first).
    void searchForBrowsers();
    // "&Close": tells both searches to stop.
    void stopSearches();
    // A click on the list: `firstSelected` is the first selected entry, if
    // any. Chooses that browser and unticks "Use Default Browser".
    // Returns whether a browser was chosen.
    bool chooseBrowser(std::optional<std::size_t> firstSelected);
    // "Use Default Browser" ticked or unticked by the user. Ticking chooses
    // the default browser; unticking changes nothing.
    void setUseDefaultBrowser(bool ticked);

  private:
    // Whether `path` is, or leads to, the very file of a listed browser: a
    // link to it, another name for it, the same file found twice.
    bool listsSameFile(const std::string& path) const;
    void listFind(const BrowserProgram& program, const std::string& directory,
                  const TSearchRec& fileinfo);

    PackageDatabase packages_;
    std::vector<std::string> names_;
    std::vector<std::string> paths_;
    std::string browser_ = kDefaultBrowser;
    bool useDefault_ = true;
};

}  // namespace wendle
