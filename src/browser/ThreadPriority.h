#pragma once

namespace wendle {

// Priority of a search's worker thread.
enum class TThreadPriority {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical
};

// Gives the calling thread `priority`, relative to the process's own: idle
// runs only when nothing else wants the processor, the others are nice
// steps below or above the process. Raising a priority needs a privilege the
// program usually lacks; the thread then simply keeps its priority.
void applyToCurrentThread(TThreadPriority priority);

}  // namespace wendle
