#include "browser/RspFind.h"

#include <algorithm>

#include "browser/FileMask.h"
#include "browser/FileSystemKind.h"

namespace wendle {

std::vector<std::string> sortedFolderList(const std::vector<std::string>& folders) {
    std::vector<std::string> sorted;
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        const auto at = std::lower_bound(
            sorted.begin(), sorted.end(), folder,
            [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });
        if (at != sorted.end() && equalsIgnoringCase(*at, folder))
            continue;
        sorted.insert(at, folder);
    }
    return sorted;
}

std::string driveLetters(std::string_view value) {
    std::string letters;
    for (const char c : value) {
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper >= 'A' && upper <= 'Z')
            letters += upper;
    }
    return letters;
}

TRspFind::TRspFind(UiDispatcher& dispatcher) : dispatcher_(dispatcher) {}

TRspFind::~TRspFind() {
    StopSearch();
    for (auto& stopping : stopping_) stopping->Terminate();
    // The members' destructors wait for the workers.
}

void TRspFind::SetDirectories(const std::vector<std::string>& value) {
    directories_ = sortedFolderList(value);
}

void TRspFind::SetDrives(std::string_view value) {
    drives_ = driveLetters(value);
}

void TRspFind::retireSearch() {
    // Workers retired earlier are waited for once their event has returned.
    std::erase_if(stopping_, [](const std::unique_ptr<TFindThread>& worker) {
        return !worker->InsideEvent();
    });
    if (!search_ || !search_->Started()) {
        search_.reset();
        return;
    }
    search_->Terminate();
    // From inside the old search's own event the worker is waiting for this
    // very call to return: waiting for it here would never end.
    if (search_->InsideEvent()) {
        stopping_.push_back(std::move(search_));
    } else {
        search_.reset();  // waits until its thread has ended
    }
}

void TRspFind::StartSearch() {
    retireSearch();
    FindDefinition definition;
    definition.fileMask = fileMask_;
    definition.directories = directories_;
    definition.drives = drives_;
    definition.files = files_;
    definition.containingText = containingText_;
    definition.caseSensitive = caseSensitive_;
    definition.threadPriority = threadPriority_;
    definition.driveMap = driveMap_;
    definition.onFileFound = OnFileFound;
    definition.onCompleted = OnCompleted;
    definition.onChangeDirectory = OnChangeDirectory;
    definition.onSkipped = OnSkipped;
    definition.fileDetails = fileDetails_;
    definition.scanHelpers = scanHelpers_;
    search_ = std::make_unique<TFindThread>(std::move(definition), dispatcher_);
    search_->Resume();
}

void TRspFind::StopSearch() {
    if (search_)
        search_->Terminate();
}

std::string TRspFind::GetFixedDrives() const {
    std::string letters;
    for (const char letter : driveMap_.letters()) {
        if (isFixedDiskFolder(driveMap_.root(letter).c_str()))
            letters += letter;
    }
    return letters;
}

bool TRspFind::Searching() const {
    return search_ && search_->Started() && !search_->Finished();
}

std::size_t TRspFind::FoldersSearched() const {
    return search_ ? search_->foldersSearched() : 0;
}

std::size_t TRspFind::Skipped() const {
    return search_ ? search_->skipped() : 0;
}

void TRspFind::WaitFor() {
    if (search_)
        search_->WaitFor();
}

}  // namespace wendle
