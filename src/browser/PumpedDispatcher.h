#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "browser/UiDispatcher.h"

namespace wendle {

// A queue of calls that one thread runs by pumping it: the stand-in for an
// event loop where there is none (tests, or a thread of one's own that
// plays the user-interface thread).
class PumpedDispatcher final : public UiDispatcher {
  public:
    void post(std::function<void()> call) override;

    // Runs the queued calls on the calling thread, waiting for more as they
    // come, until `done()` holds (checked before each call) or `timeout`
    // has passed. Returns whether `done()` held.
    bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

    // Runs the calls queued right now and returns how many ran.
    int runPending();
    // How many calls are waiting to run.
    std::size_t queued() const;

  private:
    bool runOne(std::unique_lock<std::mutex>& lock);

    mutable std::mutex mutex_;
    std::condition_variable queued_;
    std::deque<std::function<void()>> calls_;
};

}  // namespace wendle
