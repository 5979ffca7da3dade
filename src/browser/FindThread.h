#pragma once

#include <sys/types.h>

#include <atomic>
#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "browser/EventHandoff.h"
#include "browser/FindDefinition.h"
#include "browser/FolderScan.h"
#include "browser/MountTable.h"
#include "browser/ScanAhead.h"
#include "browser/SearchRec.h"
#include "browser/UiDispatcher.h"

namespace wendle {

// The worker of one search. It walks the folders of its drives depth first,
// in the order in which the file system lists them, and reports the entries
// that match through its events.
//
// The walk never changes the process's current folder (two searches run at
// once, and the editor keeps its own): it opens each folder relative to its
// parent, never follows a symbolic link to a folder, and crosses into
// another mounted file system only when that one is a local disk.
//
// Its depth is bounded by nothing but memory: the folders it is in are an
// explicit stack, not calls, and only the deepest few of them are held open;
// one the walk comes back to is opened again by its path below a folder
// still open, and must be the very folder it listed before. Whatever it
// cannot search - a folder it may not open, a file it may not read, a
// folder it runs out of descriptors for - is reported (OnSkipped), never
// silently left out.
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

    // Progress, readable from any thread while the search runs.
    std::size_t foldersSearched() const { return foldersSearched_.load(); }
    std::size_t skipped() const { return skipped_.load(); }

    // Inside an event: the folder and the entry being reported.
    const std::string& directory() const { return eventDirectory_; }
    const TSearchRec& fileinfo() const { return fileinfo_; }

    // Folders below the deepest ones that the walk keeps open at most.
    static constexpr std::size_t kHeldFolders = 16;

  private:
    // One folder of the walk's stack.
    struct Frame {
        FolderScan scan;
        // Per subfolder: its scan-ahead job, when one was offered.
        std::vector<std::shared_ptr<ScanJob>> ahead;
        std::size_t next = 0;  // the subfolder to walk next
        int fd = -1;           // open, or closed to spare descriptors
        dev_t device = 0;
        ino_t inode = 0;
        unsigned long fileSystemType = 0;
        std::size_t nameAt = 0;      // where its name begins in folder_
        std::size_t pathLength = 0;  // folder_'s length while it is the current folder
    };

    void Execute();
    void SearchDirectory(char driveLetter, const std::string& folder);
    void walkFrom(const std::string& folder, int fd);
    void descend(ScanAhead& ahead);
    void enterFolder(Frame& frame, ScanAhead& ahead);
    void offerSubfolders(Frame& frame, ScanAhead& ahead);
    Frame& pushFrame(std::size_t nameAt);
    void popFrame();

    int openSubfolder(std::size_t parent, std::string_view name);
    int folderDescriptor(std::size_t index);
    int reopen(std::size_t index);
    void hold(std::size_t index);
    bool releaseHeld(std::size_t keep);
    bool spareDescriptors(std::size_t keep);

    bool mayBeMountPoint(std::string_view subfolder);
    void deliverFound(const FolderScan& scan, const FolderScan::Found& found);
    void deliverChangeDirectory();
    void reportSkipped(const std::string& path, int error);

    FindDefinition definition_;
    ScanRules rules_;
    FolderScanner scanner_;
    unsigned helpers_;

    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::atomic<std::size_t> foldersSearched_{0};
    std::atomic<std::size_t> skipped_{0};
    EventHandoff handoff_;
    std::thread thread_;

    // The walk's position.
    std::string folder_;         // the folder being walked
    std::vector<Frame> frames_;  // kept for reuse; the first depth_ are the walk's
    std::size_t depth_ = 0;
    std::deque<std::size_t> held_;  // frames above the first that are open, shallowest first
    ScanAhead* ahead_ = nullptr;    // while a walk runs
    // Where other file systems are mounted: only there is a folder's file
    // system asked. Without the table every folder is asked.
    std::optional<MountTable> mounts_;
    bool mountsBelowStart_ = true;
    std::string startFolder_;      // as the walk names it
    std::string realStartFolder_;  // the same without links, as the table names it
    std::string realSubfolder_;    // reused when looking a subfolder up

    // What the event being delivered reports.
    std::string eventDirectory_;
    TSearchRec fileinfo_;
};

}  // namespace wendle
