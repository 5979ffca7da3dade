#include "browser/BrowserChooser.h"

#include <sys/stat.h>

#include "browser/BrowserVersion.h"
#include "browser/DriveMap.h"

namespace wendle {

std::optional<ListedBrowser> listedBrowser(const BrowserProgram& program,
                                           const std::string& directory, const TSearchRec& fileinfo,
                                           const PackageDatabase& packages) {
    // The name as found: on a file system that tells letter case apart, the
    // mask's spelling may name no file at all.
    std::string path = pathInFolder(directory, fileinfo.Name);
    if (!isExecutableFile(path))
        return std::nullopt;
    return ListedBrowser{program.prefix + browserVersion(path, packages), std::move(path)};
}

BrowserChooser::BrowserChooser(UiDispatcher& dispatcher, PackageDatabase packages)
    : RspFind1(dispatcher), RspFind2(dispatcher), packages_(std::move(packages)) {
    TRspFind* searches[] = {&RspFind1, &RspFind2};
    for (std::size_t i = 0; i < kBrowserPrograms.size(); ++i) {
        TRspFind& search = *searches[i];
        const BrowserProgram& program = kBrowserPrograms[i];
        search.SetFileMask(program.fileMask);
        search.SetCaseSensitive(false);
        search.SetThreadPriority(TThreadPriority::tpNormal);
        search.SetFileDetails(false);  // a find is looked at by its path
        search.OnFileFound = [this, &program](TFindThread&, const std::string& directory,
                                              const TSearchRec& fileinfo) {
            listFind(program, directory, fileinfo);
        };
    }
}

void BrowserChooser::restore(std::vector<std::string> names, std::vector<std::string> paths,
                             std::string choice) {
    const std::size_t count = std::min(names.size(), paths.size());
    names.resize(count);
    paths.resize(count);
    names_ = std::move(names);
    paths_ = std::move(paths);
    browser_ = choice.empty() ? std::string(kDefaultBrowser) : std::move(choice);
}

void BrowserChooser::shown() {
    if (browser_ == kDefaultBrowser)
        useDefault_ = true;
}

void BrowserChooser::searchForBrowsers() {
    // Stop both before emptying the lists, so that no find of an old search
    // lands in the new lists.
    stopSearches();
    names_.clear();
    paths_.clear();
    if (OnListsCleared)
        OnListsCleared();
    for (TRspFind* search : {&RspFind1, &RspFind2}) {
        search->SetDrives(search->GetFixedDrives());
        search->StartSearch();
    }
}

void BrowserChooser::stopSearches() {
    RspFind1.StopSearch();
    RspFind2.StopSearch();
}

bool BrowserChooser::chooseBrowser(std::optional<std::size_t> firstSelected) {
    if (!firstSelected || *firstSelected >= paths_.size())
        return false;
    browser_ = paths_[*firstSelected];
    useDefault_ = false;
    return true;
}

void BrowserChooser::setUseDefaultBrowser(bool ticked) {
    useDefault_ = ticked;
    if (ticked)
        browser_ = kDefaultBrowser;
}

bool BrowserChooser::listsSameFile(const std::string& path) const {
    struct stat found;
    if (stat(path.c_str(), &found) != 0)
        return false;
    for (const std::string& listed : paths_) {
        struct stat info;
        if (listed == path || (stat(listed.c_str(), &info) == 0 && info.st_dev == found.st_dev &&
                               info.st_ino == found.st_ino))
            return true;
    }
    return false;
}

void BrowserChooser::listFind(const BrowserProgram& program, const std::string& directory,
                              const TSearchRec& fileinfo) {
    auto listed = listedBrowser(program, directory, fileinfo, packages_);
    if (!listed || listsSameFile(listed->path))
        return;
    names_.push_back(std::move(listed->name));
    paths_.push_back(std::move(listed->path));
    if (OnBrowserListed)
        OnBrowserListed(names_.size() - 1);
}

}  // namespace wendle
