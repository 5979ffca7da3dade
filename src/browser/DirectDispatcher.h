#pragma once

#include "browser/UiDispatcher.h"

namespace wendle {

// Runs every call at once on the thread that posts it. For batch use, where
// there is no user-interface thread: the search's events then run on the
// worker itself, one at a time.
class DirectDispatcher final : public UiDispatcher {
  public:
    void post(std::function<void()> call) override { call(); }
};

}  // namespace wendle
