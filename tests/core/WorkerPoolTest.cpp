#include "core/Cancellation.h"
#include "core/ThreadPriority.h"
#include "core/WorkerPool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <latch>
#include <mutex>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>

namespace {

// 1 + 2 + ... + n, by tasks that each wait for the one below, every one
// submitted from a pool thread.
long long NestedSum(WorkerPool& pool, int n)
{
    if (n == 0) {
        return 0;
    }
    return n + pool.Submit(TaskUrgency::Now, [&pool, n] { return NestedSum(pool, n - 1); }).Get();
}

// The sum of i * j over a square of loops, the inner ones run by the bodies
// of the outer one.
long long NestedLoopSum(WorkerPool& pool, std::size_t side)
{
    std::atomic<long long> sum{0};
    pool.ForEachIndex(side, [&](std::size_t i) {
        pool.ForEachIndex(side, [&](std::size_t j) { sum += static_cast<long long>(i * j); });
    });
    return sum;
}

// As many tasks as the pool has threads, each waiting for a task submitted
// after it, behind them all.
long long EveryThreadWaitingForWorkBehindIt(WorkerPool& pool)
{
    std::vector<PoolTask<long long>> outer;
    for (std::size_t t = 0; t < pool.ThreadCount(); ++t) {
        outer.push_back(pool.Submit(TaskUrgency::Now, [&pool, t] {
            return pool.Submit(TaskUrgency::Now, [t] { return static_cast<long long>(t) + 1; }).Get();
        }));
    }
    long long sum = 0;
    for (const PoolTask<long long>& task : outer) {
        sum += task.Get();
    }
    return sum;
}

} // namespace

// Work that waits for other work never waits for a free thread: a pool of
// one thread finishes it as a pool of two does.
TEST(WorkerPoolTest, NestedWaitsFinishOnPoolsOfOneAndTwoThreads)
{
    for (const std::size_t threads : {std::size_t{1}, std::size_t{2}}) {
        SCOPED_TRACE(threads);
        WorkerPool pool(threads);
        EXPECT_EQ(pool.Submit(TaskUrgency::Ahead, [&pool] { return NestedSum(pool, 40); }).Get(), 820);
        EXPECT_EQ(pool.Submit(TaskUrgency::Now, [&pool] { return NestedLoopSum(pool, 100); }).Get(), 4950LL * 4950LL);
        EXPECT_EQ(EveryThreadWaitingForWorkBehindIt(pool), static_cast<long long>(threads * (threads + 1) / 2));
    }
}

// What the work raised is raised where its result is asked for, also
// through a task that waits for it; a loop skips the calls not begun.
TEST(WorkerPoolTest, ExceptionsReachTheOneWhoWaits)
{
    WorkerPool pool(2);
    const PoolTask<int> failing = pool.Submit(TaskUrgency::Now, []() -> int { throw std::invalid_argument("bad epoch"); });
    const PoolTask<int> waiting = pool.Submit(TaskUrgency::Ahead, [failing] { return failing.Get() + 1; });
    for (const PoolTask<int>* task : {&failing, &waiting}) {
        try {
            task->Get();
            ADD_FAILURE() << "no exception";
        } catch (const std::invalid_argument& error) {
            EXPECT_EQ(std::string(error.what()), "bad epoch");
        }
    }

    // On a pool of one, the caller runs the whole loop: the calls end with
    // the one that raised.
    for (const std::size_t threads : {std::size_t{1}, std::size_t{2}}) {
        SCOPED_TRACE(threads);
        WorkerPool loopPool(threads);
        std::atomic<int> calls{0};
        EXPECT_THROW(loopPool.ForEachIndex(1000,
                                           [&](std::size_t i) {
                                               ++calls;
                                               if (i == 3) {
                                                   throw std::out_of_range("candidate 3");
                                               }
                                           }),
                     std::out_of_range);
        if (threads == 1) {
            EXPECT_EQ(calls, 4);
        }
        EXPECT_LT(calls, 1000);
    }
}

// A loop whose caller asks it to stop ends at its next call, with
// OperationCancelled; one that was asked before it began runs no call.
TEST(WorkerPoolTest, ALoopAskedToStopEndsAtItsNextCall)
{
    WorkerPool pool(1);
    std::stop_source stop;
    int calls = 0;
    const auto body = [&](std::size_t i) {
        ThrowIfStopRequested(stop.get_token());
        ++calls;
        if (i == 10) {
            stop.request_stop();
        }
    };
    EXPECT_THROW(pool.ForEachIndex(100, body), OperationCancelled);
    EXPECT_EQ(calls, 11);
    EXPECT_THROW(pool.ForEachIndex(100, body), OperationCancelled);
    EXPECT_EQ(calls, 11);
}

// A loop of two on a pool of two runs both calls at once: the first waits
// for the second to begin.
TEST(WorkerPoolTest, ALoopRunsOnTheCallerAndAPoolThreadAtOnce)
{
    WorkerPool pool(2);
    std::mutex mutex;
    std::condition_variable changed;
    bool secondBegun = false;
    bool sawTheSecond = false;
    pool.ForEachIndex(2, [&](std::size_t i) {
        std::unique_lock<std::mutex> lock(mutex);
        if (i == 1) {
            secondBegun = true;
            changed.notify_all();
        } else {
            sawTheSecond = changed.wait_for(lock, std::chrono::seconds(20), [&] { return secondBegun; });
        }
    });
    EXPECT_TRUE(sawTheSecond);
}

// Work is started at once on a thread that waits for work, or not at all.
TEST(WorkerPoolTest, StartsOnAnIdleThreadOrNotAtAll)
{
    WorkerPool pool(1);
    std::latch ran(1);
    std::thread::id where;
    const PoolTask<void> started = pool.StartOnIdleThread([&] {
        where = std::this_thread::get_id();
        ran.count_down();
    });
    ASSERT_TRUE(started.Valid());
    ran.wait();
    EXPECT_NE(where, std::this_thread::get_id());
    started.Get();

    std::latch busy(1);
    std::latch release(1);
    const PoolTask<void> blocking = pool.Submit(TaskUrgency::Now, [&] {
        busy.count_down();
        release.wait();
    });
    busy.wait();
    EXPECT_FALSE(pool.StartOnIdleThread([] {}).Valid());
    release.count_down();
    blocking.Get();
}

// Work done ahead of a drawing runs at a lower priority than the caller's;
// work needed now at the caller's own.
TEST(WorkerPoolTest, AheadWorkRunsAtALowerPriority)
{
    const int caller = ::getpriority(PRIO_PROCESS, 0);
    WorkerPool pool(1);
    for (const auto& [urgency, expected] :
         {std::pair(TaskUrgency::Now, caller), std::pair(TaskUrgency::Ahead, std::min(caller + kAheadNiceness, 19))}) {
        std::latch ran(1);
        int priority = 0;
        const PoolTask<void> task = pool.Submit(urgency, [&] {
            priority = ::getpriority(PRIO_PROCESS, 0);
            ran.count_down();
        });
        ran.wait();
        task.Get();
        EXPECT_EQ(priority, expected);
    }
    EXPECT_EQ(::getpriority(PRIO_PROCESS, 0), caller);
}

// Work needed now keeps the caller's priority even when the first work the
// pool ever had was done ahead, and handed the work needed now over.
TEST(WorkerPoolTest, WorkNeededNowKeepsItsPriorityWhenWorkAheadCameFirst)
{
    const int caller = ::getpriority(PRIO_PROCESS, 0);
    WorkerPool pool(1);
    std::latch ran(1);
    int priority = 0;
    PoolTask<void> now;
    const PoolTask<void> ahead = pool.Submit(TaskUrgency::Ahead, [&] {
        now = pool.Submit(TaskUrgency::Now, [&] {
            priority = ::getpriority(PRIO_PROCESS, 0);
            ran.count_down();
        });
    });
    ran.wait();
    ahead.Get();
    now.Get();
    EXPECT_EQ(priority, caller);
}
