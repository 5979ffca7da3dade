#pragma once

#include <functional>

namespace wendle {

// Hands a call to the user-interface thread. The search delivers every event
// through one of these: the worker posts the call and then waits for it
// itself (see EventHandoff), so that a search that is told to stop while an
// event is still queued can give up waiting instead of blocking the
// user-interface thread that is stopping it.
//
// The editor implements post() with a queued call into its event loop;
// wendle-cli uses DirectDispatcher; tests use PumpedDispatcher.
class UiDispatcher {
  public:
    virtual ~UiDispatcher() = default;
    // Queues `call` to run once on the user-interface thread and returns at
    // once. Calls run in the order they were posted.
    virtual void post(std::function<void()> call) = 0;
};

}  // namespace wendle
