#include "browser/PumpedDispatcher.h"

namespace wendle {

void PumpedDispatcher::post(std::function<void()> call) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back(std::move(call));
    }
    queued_.notify_all();
}

bool PumpedDispatcher::runOne(std::unique_lock<std::mutex>& lock) {
    if (calls_.empty())
        return false;
    std::function<void()> call = std::move(calls_.front());
    calls_.pop_front();
    // The call may post again (or a worker may): never hold the queue while it runs.
    lock.unlock();
    call();
    lock.lock();
    return true;
}

bool PumpedDispatcher::pumpUntil(const std::function<bool()>& done,
                                 std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        lock.unlock();
        const bool finished = done();
        lock.lock();
        if (finished)
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        if (runOne(lock))
            continue;
        // Nothing queued: wait a little for a call, then look at done() again,
        // since what it watches may change without anything being posted.
        queued_.wait_for(lock, std::chrono::milliseconds(5));
    }
}

int PumpedDispatcher::runPending() {
    std::unique_lock<std::mutex> lock(mutex_);
    std::size_t count = calls_.size();
    int ran = 0;
    while (count-- > 0 && runOne(lock)) ++ran;
    return ran;
}

std::size_t PumpedDispatcher::queued() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_.size();
}

}  // namespace wendle
