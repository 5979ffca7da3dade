#pragma once

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "browser/FolderScan.h"
#include "browser/ThreadPriority.h"

namespace wendle {

// A subfolder that may be scanned before the walk reaches it.
struct ScanJob {
    std::string path;
    dev_t device = 0;  // what the folder opened by that path must be
    ino_t inode = 0;

    // Guarded by the ScanAhead that holds the job.
    enum class State { queued, claimed, running, done } state = State::queued;
    bool scanned = false;  // done with `scan` filled; otherwise the walk scans it
    FolderScan scan;
};

// The small work queue that lets a search use more than one processor: the
// walk offers the subfolders of each folder it enters, and helper threads
// scan them (list them, read the files of a content search) while the walk
// is still busy elsewhere. The walk takes each folder's scan in its own
// order, so results come out exactly as a walk on one thread gives them.
//
// Helpers take the folders the walk will reach last - the far end of the
// queue - while the walk works from the near end, so the two seldom wait for
// each other; the scans that wait for the walk are bounded in number and
// size. A helper opens a
// folder by its path and keeps the scan only when the folder is the one
// that was listed (same device and inode); anything it cannot do is left to
// the walk, which opens folders relative to their parent and reports what
// fails.
class ScanAhead {
  public:
    // `helpers` threads; none makes every call here a no-op.
    ScanAhead(const ScanRules& rules, const std::atomic<bool>& stop, TThreadPriority priority,
              unsigned helpers);
    // Ends and waits for the helpers; queued jobs are dropped.
    ~ScanAhead();
    ScanAhead(const ScanAhead&) = delete;
    ScanAhead& operator=(const ScanAhead&) = delete;

    // Whether helpers take jobs. For the walk's thread (the only one that retires them).
    bool active() const { return !helpers_.empty() && !retired_; }

    // Queues jobs ahead of every job offered before, in the order given;
    // empty places are passed over.
    void offer(const std::shared_ptr<ScanJob>* first, const std::shared_ptr<ScanJob>* last);
    // For the walk, when it reaches the job's folder: true when a helper has
    // scanned it (its `scan` is ready); false when the walk must scan it
    // itself. Waits while a helper is scanning it.
    bool take(ScanJob& job);
    // Helpers take no further jobs; returns once none is scanning. For when
    // the process runs short of descriptors: the walk needs them more.
    void retire();

    // Finished scans that may wait for the walk at one time, and the bytes
    // of names they may hold.
    static constexpr std::size_t kMaxWaiting = 4096;
    static constexpr std::size_t kMaxWaitingBytes = 32 << 20;
    // How many helpers a search gets on this machine.
    static unsigned helpersForThisMachine();

  private:
    void help(TThreadPriority priority);
    bool scanJob(FolderScanner& scanner, ScanJob& job);

    const ScanRules& rules_;
    const std::atomic<bool>& stop_;

    std::mutex mutex_;
    std::condition_variable workQueued_;
    std::condition_variable jobDone_;
    std::deque<std::shared_ptr<ScanJob>> pending_;
    std::size_t waiting_ = 0;  // done, not yet taken
    std::size_t waitingBytes_ = 0;
    std::size_t scanning_ = 0;
    bool ending_ = false;
    bool retired_ = false;

    std::vector<std::thread> helpers_;
};

}  // namespace wendle
