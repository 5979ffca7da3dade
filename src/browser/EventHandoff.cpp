#include "browser/EventHandoff.h"

#include <condition_variable>

namespace wendle {

// One posted call. Shared by the worker and the queued call, since either
// may outlive the other: a cancelled call can still sit in the queue after
// its worker is gone.
struct EventHandoff::Ticket {
    enum class State { queued, running, done, cancelled };

    std::mutex mutex;
    std::condition_variable changed;
    State state = State::queued;
    std::function<void()> call;
};

EventHandoff::EventHandoff(UiDispatcher& dispatcher, const std::atomic<bool>& stopRequested)
    : dispatcher_(dispatcher), stopRequested_(stopRequested) {}

bool EventHandoff::deliver(std::function<void()> call) {
    if (stopRequested_.load())
        return false;
    auto ticket = std::make_shared<Ticket>();
    ticket->call = std::move(call);
    {
        std::lock_guard<std::mutex> lock(currentMutex_);
        current_ = ticket;
    }
    const std::atomic<bool>* stop = &stopRequested_;
    dispatcher_.post([ticket, stop] {
        {
            std::lock_guard<std::mutex> lock(ticket->mutex);
            if (ticket->state != Ticket::State::queued)
                return;  // given up by its worker
            ticket->state = Ticket::State::running;
        }
        // While the state is `running` the worker waits, so `stop` is alive.
        if (!stop->load())
            ticket->call();
        std::lock_guard<std::mutex> lock(ticket->mutex);
        ticket->state = Ticket::State::done;
        ticket->changed.notify_all();
    });

    bool ran;
    {
        std::unique_lock<std::mutex> lock(ticket->mutex);
        ticket->changed.wait(lock, [&] {
            if (ticket->state == Ticket::State::done)
                return true;
            if (ticket->state == Ticket::State::queued && stopRequested_.load()) {
                ticket->state = Ticket::State::cancelled;
                return true;
            }
            return false;
        });
        ran = ticket->state == Ticket::State::done;
        ticket->call = nullptr;  // its captures belong to the worker
    }
    std::lock_guard<std::mutex> lock(currentMutex_);
    current_.reset();
    return ran;
}

void EventHandoff::stopWaiting() {
    std::shared_ptr<Ticket> ticket;
    {
        std::lock_guard<std::mutex> lock(currentMutex_);
        ticket = current_;
    }
    if (!ticket)
        return;
    // Taking the ticket's lock orders this wake-up after the worker's last
    // look at the stop flag, so it cannot be missed.
    std::lock_guard<std::mutex> lock(ticket->mutex);
    ticket->changed.notify_all();
}

bool EventHandoff::callRunning() const {
    std::shared_ptr<Ticket> ticket;
    {
        std::lock_guard<std::mutex> lock(currentMutex_);
        ticket = current_;
    }
    if (!ticket)
        return false;
    std::lock_guard<std::mutex> lock(ticket->mutex);
    return ticket->state == Ticket::State::running;
}

}  // namespace wendle
