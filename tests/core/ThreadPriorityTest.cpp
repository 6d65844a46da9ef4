#include "core/ThreadPriority.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include <sys/resource.h>

// The thread that lowers its priority lowers its own alone: the thread
// drawing the map keeps its place.
TEST(ThreadPriorityTest, LowersTheCallingThreadOnly)
{
    const int before = ::getpriority(PRIO_PROCESS, 0);
    int inThread = before;
    std::thread([&inThread] {
        LowerThisThreadsPriority(kAheadNiceness);
        inThread = ::getpriority(PRIO_PROCESS, 0);
    }).join();
    EXPECT_EQ(inThread, std::min(before + kAheadNiceness, 19));
    EXPECT_EQ(::getpriority(PRIO_PROCESS, 0), before);
}
