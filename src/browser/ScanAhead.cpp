#include "browser/ScanAhead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace wendle {

unsigned ScanAhead::helpersForThisMachine() {
    const unsigned processors = std::thread::hardware_concurrency();
    return std::min(3u, processors > 1 ? processors - 1 : 0u);
}

ScanAhead::ScanAhead(const ScanRules& rules, const std::atomic<bool>& stop,
                     TThreadPriority priority, unsigned helpers)
    : rules_(rules), stop_(stop) {
    for (unsigned i = 0; i < helpers; ++i)
        helpers_.emplace_back([this, priority] { help(priority); });
}

ScanAhead::~ScanAhead() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ending_ = true;
        pending_.clear();
    }
    workQueued_.notify_all();
    for (std::thread& helper : helpers_) helper.join();
}

void ScanAhead::offer(const std::shared_ptr<ScanJob>* first, const std::shared_ptr<ScanJob>* last) {
    if (!active() || first == last)
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // Backwards, each to the front: they end up in the order given.
        for (const std::shared_ptr<ScanJob>* job = last; job != first;) {
            if (*--job)
                pending_.push_front(*job);
        }
    }
    workQueued_.notify_all();
}

bool ScanAhead::take(ScanJob& job) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (job.state == ScanJob::State::queued) {
        job.state = ScanJob::State::claimed;
        return false;
    }
    jobDone_.wait(lock, [&] { return job.state == ScanJob::State::done; });
    --waiting_;
    waitingBytes_ -= job.scan.names.size();
    lock.unlock();
    workQueued_.notify_one();
    return job.scanned;
}

void ScanAhead::retire() {
    std::unique_lock<std::mutex> lock(mutex_);
    retired_ = true;
    jobDone_.wait(lock, [&] { return scanning_ == 0; });
}

void ScanAhead::help(TThreadPriority priority) {
    applyToCurrentThread(priority);
    FolderScanner scanner(rules_);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        workQueued_.wait(lock, [&] {
            return ending_ || (!retired_ && !pending_.empty() && waiting_ < kMaxWaiting &&
                               waitingBytes_ < kMaxWaitingBytes);
        });
        if (ending_)
            return;
        const std::shared_ptr<ScanJob> job = std::move(pending_.back());
        pending_.pop_back();
        if (job->state != ScanJob::State::queued)
            continue;  // the walk got there first
        job->state = ScanJob::State::running;
        ++scanning_;
        lock.unlock();
        const bool scanned = scanJob(scanner, *job);
        lock.lock();
        job->scanned = scanned;
        job->state = ScanJob::State::done;
        --scanning_;
        ++waiting_;
        waitingBytes_ += job->scan.names.size();
        jobDone_.notify_all();
    }
}

bool ScanAhead::scanJob(FolderScanner& scanner, ScanJob& job) {
    if (stop_.load(std::memory_order_relaxed))
        return false;
    const int fd = open(job.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    struct stat info;
    const bool same =
        fstat(fd, &info) == 0 && info.st_dev == job.device && info.st_ino == job.inode;
    if (same)
        scanner.scan(fd, job.path, job.scan, stop_);
    close(fd);
    return same;
}

}  // namespace wendle
