#pragma once

#include "browser/UiDispatcher.h"

class QObject;

namespace wendle {

// Hands the searches' events to Qt's event loop: each call is queued to the
// thread of a user-interface object and runs there when the loop gets to
// it. Posting never waits, so a worker can post while the user-interface
// thread is busy stopping it. Calls still queued when that object goes away
// are dropped with it.
//
// Must outlive every search that posts to it.
class QtUiDispatcher final : public UiDispatcher {
  public:
    explicit QtUiDispatcher(QObject* guiObject);

    void post(std::function<void()> call) override;

  private:
    QObject* guiObject_;
};

}  // namespace wendle
