#include <gtest/gtest.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <thread>

#include "browser/ThreadPriority.h"

namespace wendle {
namespace {

struct ThreadSettings {
    int policy;
    int nice;
};

ThreadSettings settingsOfAThreadGiven(TThreadPriority priority) {
    ThreadSettings settings{};
    std::thread([&] {
        applyToCurrentThread(priority);
        settings.policy = sched_getscheduler(0);
        settings.nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    }).join();
    return settings;
}

// Lowering a thread's priority needs no privilege; it affects that thread only.
TEST(ThreadPriority, LowerPrioritiesAreNiceStepsOrIdle) {
    const int processNice = getpriority(PRIO_PROCESS, 0);
    const std::pair<TThreadPriority, int> steps[] = {{TThreadPriority::tpNormal, 0},
                                                     {TThreadPriority::tpLower, 5},
                                                     {TThreadPriority::tpLowest, 10}};
    for (const auto& [priority, step] : steps) {
        const ThreadSettings settings = settingsOfAThreadGiven(priority);
        EXPECT_EQ(settings.policy, SCHED_OTHER);
        EXPECT_EQ(settings.nice, std::min(processNice + step, 19)) << static_cast<int>(priority);
    }
    EXPECT_EQ(settingsOfAThreadGiven(TThreadPriority::tpIdle).policy, SCHED_IDLE);
    EXPECT_EQ(getpriority(PRIO_PROCESS, 0), processNice);
    EXPECT_EQ(sched_getscheduler(0), SCHED_OTHER);
}

}  // namespace
}  // namespace wendle
