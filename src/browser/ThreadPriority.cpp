#include "browser/ThreadPriority.h"

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace wendle {

namespace {

int niceStep(TThreadPriority priority) {
    switch (priority) {
        case TThreadPriority::tpIdle:
            return 19;
        case TThreadPriority::tpLowest:
            return 10;
        case TThreadPriority::tpLower:
            return 5;
        case TThreadPriority::tpNormal:
            return 0;
        case TThreadPriority::tpHigher:
            return -5;
        case TThreadPriority::tpHighest:
            return -10;
        case TThreadPriority::tpTimeCritical:
            return -20;
    }
    return 0;
}

}  // namespace

void applyToCurrentThread(TThreadPriority priority) {
    if (priority == TThreadPriority::tpNormal)
        return;
    const pid_t thread = gettid();
    if (priority == TThreadPriority::tpIdle) {
        sched_param param{};
        if (sched_setscheduler(thread, SCHED_IDLE, &param) == 0)
            return;
    }
    errno = 0;
    const int processNice = getpriority(PRIO_PROCESS, 0);
    if (errno != 0)
        return;
    const int wanted = std::clamp(processNice + niceStep(priority), -20, 19);
    // On Linux a thread id names just that thread here.
    (void)setpriority(PRIO_PROCESS, static_cast<id_t>(thread), wanted);
}

}  // namespace wendle
