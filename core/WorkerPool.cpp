#include "core/WorkerPool.h"

#include "core/ThreadPriority.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <latch>
#include <mutex>
#include <thread>
#include <vector>

#include <sched.h>

using worker_pool_detail::Job;

// The threads of one urgency and the work waiting for them.
class WorkerPool::Lane {
public:
    // Returns without waiting for the threads to start: work pushed
    // meanwhile waits in the queue, and the caller goes on with its own
    // share (starting a thread takes from 0.1 to several milliseconds).
    Lane(std::size_t threadCount, int niceness) : m_started(static_cast<std::ptrdiff_t>(threadCount))
    {
        try {
            for (std::size_t i = 0; i < threadCount; ++i) {
                m_threads.emplace_back([this, niceness] { Serve(niceness); });
            }
        } catch (...) {
            m_started.count_down(static_cast<std::ptrdiff_t>(threadCount - m_threads.size()));
            RequestStop();
            Join();
            throw;
        }
    }

    ~Lane()
    {
        RequestStop();
        Join();
    }

    Lane(const Lane&) = delete;
    Lane& operator=(const Lane&) = delete;

    void Push(std::shared_ptr<Job> job)
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopping) {
                return;
            }
            m_jobs.push_back(std::move(job));
        }
        m_wake.notify_one();
    }

    // Queued only when more threads wait than jobs do: each waiting job,
    // this one last, then has a thread of its own about to take it.
    // The threads are waited for until they have started: a caller that
    // would do the work itself otherwise finds them idle from the first call.
    bool PushToIdle(std::shared_ptr<Job> job)
    {
        m_started.wait();
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stopping || m_idle <= m_jobs.size()) {
                return false;
            }
            m_jobs.push_back(std::move(job));
        }
        m_wake.notify_one();
        return true;
    }

    // Work not begun is dropped, and work handed over later refused.
    void RequestStop()
    {
        std::deque<std::shared_ptr<Job>> dropped;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
            dropped.swap(m_jobs);
        }
        m_wake.notify_all();
    }

    void Join()
    {
        for (std::thread& thread : m_threads) {
            if (thread.joinable()) {
                thread.join();
            }
        }
    }

private:
    void Serve(int niceness)
    {
        if (niceness > 0) {
            LowerThisThreadsPriority(niceness);
        }
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_idle;
        m_started.count_down();
        for (;;) {
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping) {
                return;
            }
            std::shared_ptr<Job> job = std::move(m_jobs.front());
            m_jobs.pop_front();
            --m_idle;
            lock.unlock();
            job->TryRun();
            job.reset();
            lock.lock();
            ++m_idle;
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::shared_ptr<Job>> m_jobs;
    std::size_t m_idle = 0;  // threads waiting for a job
    bool m_stopping = false;
    std::latch m_started;  // counted down by each thread once it waits for work
    std::vector<std::thread> m_threads;
};

namespace {

// One ForEachIndex: its indices are handed out one at a time to the caller
// and to the pool threads that join in.
class IndexLoop {
public:
    IndexLoop(const std::function<void(std::size_t)>& body, std::size_t count) : m_body(&body), m_count(count) {}

    // Takes indices until none is left. The body is reached only through an
    // index below the count, which the caller waits for: a thread that joins
    // after the loop ended never touches it.
    void Work()
    {
        std::size_t done = 0;
        for (std::size_t i = m_next++; i < m_count; i = m_next++, ++done) {
            if (m_failed.load(std::memory_order_relaxed)) {
                continue;
            }
            try {
                (*m_body)(i);
            } catch (...) {
                Fail(std::current_exception());
            }
        }
        if (done > 0) {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_done += done;
            if (m_done == m_count) {
                m_finished.notify_all();
            }
        }
    }

    // Once every index is done: raises the first failure.
    void Finish()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_finished.wait(lock, [this] { return m_done == m_count; });
        if (m_failure) {
            std::rethrow_exception(m_failure);
        }
    }

private:
    void Fail(std::exception_ptr failure)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_failure) {
            m_failure = std::move(failure);
        }
        m_failed.store(true, std::memory_order_relaxed);
    }

    const std::function<void(std::size_t)>* m_body;
    const std::size_t m_count;
    std::atomic<std::size_t> m_next{0};
    std::atomic<bool> m_failed{false};
    std::mutex m_mutex;
    std::condition_variable m_finished;
    std::size_t m_done = 0;
    std::exception_ptr m_failure;
};

class IndexLoopJob final : public Job {
public:
    explicit IndexLoopJob(std::shared_ptr<IndexLoop> loop) : m_loop(std::move(loop)) {}

private:
    void Run() override { m_loop->Work(); }
    std::shared_ptr<IndexLoop> m_loop;
};

} // namespace

WorkerPool::WorkerPool(std::size_t threadCount) : m_threadCount(std::max<std::size_t>(threadCount, 1)) {}

// Work under way may hand work to either urgency: both refuse it before
// either is joined, and a lane not started by now never starts.
WorkerPool::~WorkerPool()
{
    std::call_once(m_nowStarted, [] {});
    std::call_once(m_aheadStarted, [] {});
    for (Lane* lane : {m_now.get(), m_ahead.get()}) {
        if (lane != nullptr) {
            lane->RequestStop();
        }
    }
    for (Lane* lane : {m_now.get(), m_ahead.get()}) {
        if (lane != nullptr) {
            lane->Join();
        }
    }
}

namespace {

// The cores this process may run on (its affinity, which taskset and
// cpusets restrict), or else those of the machine.
std::size_t UsableCores()
{
    cpu_set_t cores;
    if (::sched_getaffinity(0, sizeof cores, &cores) == 0) {
        return static_cast<std::size_t>(std::max(CPU_COUNT(&cores), 1));
    }
    return std::max(std::thread::hardware_concurrency(), 1u);
}

} // namespace

WorkerPool& WorkerPool::Shared()
{
    static WorkerPool pool(UsableCores());
    return pool;
}

// Each urgency's threads start with its first work: a command that never
// works ahead does not start (and wait for) threads to do it. The threads of
// urgency Now start first, always from a thread outside the pool (none of
// the pool's exists before them): started from a thread working ahead they
// would inherit its lower priority, which no unprivileged thread may raise
// again.
WorkerPool::Lane* WorkerPool::LaneOf(TaskUrgency urgency)
{
    std::call_once(m_nowStarted, [this] { m_now = std::make_unique<Lane>(m_threadCount, 0); });
    if (urgency == TaskUrgency::Now) {
        return m_now.get();
    }
    std::call_once(m_aheadStarted, [this] { m_ahead = std::make_unique<Lane>(m_threadCount, kAheadNiceness); });
    return m_ahead.get();
}

// Dropped, as work not begun is, once the pool is going.
void WorkerPool::Enqueue(TaskUrgency urgency, std::shared_ptr<Job> job)
{
    if (Lane* lane = LaneOf(urgency)) {
        lane->Push(std::move(job));
    }
}

bool WorkerPool::EnqueueOnIdleThread(std::shared_ptr<Job> job)
{
    Lane* lane = LaneOf(TaskUrgency::Now);
    return lane != nullptr && lane->PushToIdle(std::move(job));
}

void WorkerPool::ForEachIndex(std::size_t count, const std::function<void(std::size_t)>& body,
                              std::size_t minimumPerThread)
{
    if (count == 0) {
        return;
    }
    const std::size_t threads = std::clamp<std::size_t>(count / std::max<std::size_t>(minimumPerThread, 1), 1, m_threadCount);
    const auto loop = std::make_shared<IndexLoop>(body, count);
    for (std::size_t helper = 1; helper < threads; ++helper) {
        Enqueue(TaskUrgency::Now, std::make_shared<IndexLoopJob>(loop));
    }
    loop->Work();
    loop->Finish();
}
