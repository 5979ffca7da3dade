#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "browser/UiDispatcher.h"

namespace wendle {

// The worker's side of delivering an event: the call is posted to the
// user-interface thread and the worker waits until it has run.
//
// The wait ends early, with the call never run, once the search is told to
// stop while the call is still queued. That is what lets the user-interface
// thread stop a search and wait for its worker to end (a new search, closing
// the window) while one of that worker's events is queued behind it: the
// worker gives up the event instead of waiting for a thread that is waiting
// for it. A call that has already begun is always waited for.
class EventHandoff {
  public:
    EventHandoff(UiDispatcher& dispatcher, const std::atomic<bool>& stopRequested);

    // On the worker: runs `call` on the user-interface thread and waits.
    // Returns whether it ran. Never runs it once the stop is requested.
    bool deliver(std::function<void()> call);

    // On the stopping thread, after setting the stop flag: wakes a worker
    // that is waiting for a queued call.
    void stopWaiting();

    // Whether the user-interface thread is inside one of this worker's
    // calls right now.
    bool callRunning() const;

  private:
    struct Ticket;

    UiDispatcher& dispatcher_;
    const std::atomic<bool>& stopRequested_;
    mutable std::mutex currentMutex_;
    std::shared_ptr<Ticket> current_;
};

}  // namespace wendle
