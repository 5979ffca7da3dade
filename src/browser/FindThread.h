#pragma once

#include <sys/stat.h>

#include <atomic>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "browser/DirectoryReader.h"
#include "browser/EventHandoff.h"
#include "browser/FileContentSearch.h"
#include "browser/FileList.h"
#include "browser/FileMask.h"
#include "browser/FindDefinition.h"
#include "browser/MountTable.h"
#include "browser/SearchRec.h"
#include "browser/UiDispatcher.h"

namespace wendle {

// The worker of one search. It walks the folders of its drives depth first,
// in the order in which the file system lists them, and reports the entries
// that match through its events.
//
// The walk never changes the process's current folder (two searches run at
// once, and the editor keeps its own): it opens each folder relative to its
// parent, never follows a symbolic link to a folder, skips what it cannot
// read, and crosses into another mounted file system only when that one is a
// local disk. It holds one open folder per level of depth and no list of the
// folders still to come beyond the subfolders of the levels it is in.
class TFindThread {
  public:
    // Created suspended: nothing runs until Resume().
    TFindThread(FindDefinition definition, UiDispatcher& dispatcher);
    // Tells a running walk to stop and waits until its thread has ended.
    ~TFindThread();
    TFindThread(const TFindThread&) = delete;
    TFindThread& operator=(const TFindThread&) = delete;

    void Resume();
    // Sets the stop flag and returns at once; the walk ends at its next look
    // at the flag, and no event is delivered after it.
    void Terminate();
    bool Terminated() const { return terminated_.load(std::memory_order_relaxed); }
    // Waits until the thread has ended. Not from inside one of its own events.
    void WaitFor();

    bool Started() const { return thread_.joinable(); }
    bool Finished() const { return finished_.load(); }
    // Whether the user-interface thread is running one of this worker's events now.
    bool InsideEvent() const { return handoff_.callRunning(); }

    // Inside an event: the folder and the entry being reported.
    const std::string& directory() const { return eventDirectory_; }
    const TSearchRec& fileinfo() const { return fileinfo_; }

  private:
    void Execute();
    void SearchDirectory(char driveLetter, const std::string& folder);
    void walk(int folderFd, std::size_t depth, unsigned long fileSystemType);
    void MatchFiles(int folderFd, const DirectoryReader::Entry& entry, bool isFolder,
                    const std::optional<struct stat>& known);
    void deliverFound(const DirectoryReader::Entry& entry, const struct stat& info);
    void deliverChangeDirectory();
    bool mayBeMountPoint(const char* subfolder);

    FindDefinition definition_;
    FileMask mask_;
    FileList files_;
    std::optional<FileContentSearch> contents_;

    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    EventHandoff handoff_;
    std::thread thread_;

    // The walk's position.
    char driveLetter_ = 'C';
    std::string driveRoot_;
    std::string folder_;                  // the folder being walked
    std::deque<std::string> subfolders_;  // per depth: names, each ended by '\0'
    DirectoryReader reader_;
    // Where other file systems are mounted: only there is a folder's file
    // system asked. Without the table every folder is asked.
    std::optional<MountTable> mounts_;
    bool mountsBelowStart_ = true;
    std::string startFolder_;      // as the walk names it
    std::string realStartFolder_;  // the same without links, as the table names it
    std::string realSubfolder_;    // reused when looking a subfolder up
    uid_t userId_ = 0;
    bool mayKeepAccessTime_ = false;  // privileged: O_NOATIME on every file

    // What the event being delivered reports.
    std::string eventDirectory_;
    TSearchRec fileinfo_;
};

}  // namespace wendle
