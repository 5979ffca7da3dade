#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "browser/DriveMap.h"
#include "browser/FindEvents.h"
#include "browser/FindThread.h"
#include "browser/ThreadPriority.h"
#include "browser/UiDispatcher.h"

namespace wendle {

// Searches drives for files by a file mask, optionally only in listed
// folders, only for listed files, and only for files that hold a text. The
// search runs on a worker thread (TFindThread); its events are delivered on
// the user-interface thread through the dispatcher, while the worker waits.
//
// All members are for the user-interface thread, the one the dispatcher
// runs its calls on.
class TRspFind {
  public:
    explicit TRspFind(UiDispatcher& dispatcher);
    // Tells a running search to stop and waits for its worker.
    ~TRspFind();
    TRspFind(const TRspFind&) = delete;
    TRspFind& operator=(const TRspFind&) = delete;

    // Events, copied into the worker when a search starts.
    TMatchEvent OnFileFound;
    TNotifyEvent OnCompleted;
    TChangeDirEvent OnChangeDirectory;
    // A folder or file that could not be searched; the search goes on.
    TSkipEvent OnSkipped;

    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value) { caseSensitive_ = value; }

    const std::string& ContainingText() const { return containingText_; }
    void SetContainingText(std::string value) { containingText_ = std::move(value); }

    // Kept sorted ignoring case, without duplicates (ignoring case) and
    // without empty entries.
    const std::vector<std::string>& Directories() const { return directories_; }
    void SetDirectories(const std::vector<std::string>& value);

    // Upper-case letters A to Z only: "c, d" becomes "CD". A repeated letter
    // is searched again.
    const std::string& Drives() const { return drives_; }
    void SetDrives(std::string_view value);

    const std::vector<std::string>& Files() const { return files_; }
    void SetFiles(std::vector<std::string> value) { files_ = std::move(value); }

    const std::string& FileMask() const { return fileMask_; }
    void SetFileMask(std::string value) { fileMask_ = std::move(value); }

    TThreadPriority ThreadPriority() const { return threadPriority_; }
    void SetThreadPriority(TThreadPriority value) { threadPriority_ = value; }

    // Whether finds carry their size, time and read-only flag: one status
    // per find. A consumer that needs only names turns it off.
    bool FileDetails() const { return fileDetails_; }
    void SetFileDetails(bool value) { fileDetails_ = value; }

    // How many threads scan folders ahead of the walk: by default as many
    // as this machine has processors to spare. The results and their order
    // are the same for any number.
    void setScanHelpers(std::optional<unsigned> helpers) { scanHelpers_ = helpers; }

    // Which folder each drive letter stands for (see DriveMap).
    const DriveMap& driveMap() const { return driveMap_; }
    void setDriveMap(DriveMap value) { driveMap_ = std::move(value); }

    // Starts a search with the current values. A search still running from
    // an earlier start is told to stop and is waited for first.
    void StartSearch();
    // Tells the running search to stop and returns at once.
    void StopSearch();
    // The letters, A to Z, of the drives that are fixed disks.
    std::string GetFixedDrives() const;

    // Whether a search has been started and its worker has not ended yet.
    bool Searching() const;
    // The running or last search's progress: folders searched so far, and
    // folders and files it could not search.
    std::size_t FoldersSearched() const;
    std::size_t Skipped() const;
    // Waits for the worker to end. Only where its events do not need the
    // calling thread to run them (a DirectDispatcher), or after StopSearch.
    void WaitFor();

  private:
    void retireSearch();

    UiDispatcher& dispatcher_;
    bool caseSensitive_ = false;
    std::string containingText_;
    std::vector<std::string> directories_;
    std::string drives_ = "C";
    std::vector<std::string> files_;
    std::string fileMask_ = "*.exe";
    TThreadPriority threadPriority_ = TThreadPriority::tpNormal;
    DriveMap driveMap_;
    bool fileDetails_ = true;
    std::optional<unsigned> scanHelpers_;

    std::unique_ptr<TFindThread> search_;
    // Stopped workers that could not be waited for yet, because the start
    // that replaced them came from inside one of their own events.
    std::vector<std::unique_ptr<TFindThread>> stopping_;
};

// Keeps a folder list the way the `Directories` property does.
std::vector<std::string> sortedFolderList(const std::vector<std::string>& folders);
// Keeps drive letters the way the `Drives` property does.
std::string driveLetters(std::string_view value);

}  // namespace wendle
