#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>

// How soon the one who submits a task needs its result.
enum class TaskUrgency {
    // Waited for, or soon: the candidates of a search, the outlines being
    // filled, the desktop's background work.
    Now,
    // Needed late by a thread that draws meanwhile (the shadow, the
    // latitudes' sines, the fonts): run on threads of lower priority
    // (kAheadNiceness), so that they leave the processor to the drawing.
    Ahead,
};

namespace worker_pool_detail {

// One piece of work, run once: by the first pool thread that takes it, or by
// a caller who waits for it before any thread took it.
class Job {
public:
    virtual ~Job() = default;
    // Runs the work unless another thread took it; true when it ran here.
    bool TryRun()
    {
        if (m_taken.exchange(true, std::memory_order_acq_rel)) {
            return false;
        }
        Run();
        return true;
    }

private:
    virtual void Run() = 0;  // keeps what the work raises for its waiter
    std::atomic<bool> m_taken{false};
};

template <typename Result>
class PackagedJob final : public Job {
public:
    template <typename Work>
    explicit PackagedJob(Work&& work) : m_task(std::forward<Work>(work)), m_result(m_task.get_future().share())
    {
    }
    const std::shared_future<Result>& SharedResult() const { return m_result; }

private:
    void Run() override { m_task(); }
    std::packaged_task<Result()> m_task;
    std::shared_future<Result> m_result;
};

} // namespace worker_pool_detail

// The result of work handed to a WorkerPool. Copies share the one result.
// Dropping the last copy neither waits for the work nor cancels it (unlike
// the future of std::async): work that refers to the caller's locals is
// waited for on every path out, exceptions included.
template <typename Result>
class PoolTask {
public:
    // No work: Valid() is false.
    PoolTask() = default;

    bool Valid() const { return m_job != nullptr; }
    // The work's result, or what it raised, raised here (valid tasks only;
    // may be asked for more than once). Work that no pool thread has begun
    // is run on the calling thread, so that waiting never depends on a free
    // thread (a pool thread may wait, on a pool of one).
    decltype(auto) Get() const
    {
        m_job->TryRun();
        return m_result.get();
    }

private:
    friend class WorkerPool;
    PoolTask(std::shared_ptr<worker_pool_detail::Job> job, std::shared_future<Result> result)
        : m_job(std::move(job)), m_result(std::move(result))
    {
    }

    std::shared_ptr<worker_pool_detail::Job> m_job;
    std::shared_future<Result> m_result;
};

// The threads that do the program's parallel work, made once: as many as
// the machine has cores for work needed now, as many again at a lower
// priority for work done ahead. Work waits in the order it came; nothing in
// it may wait for a free thread (PoolTask::Get and ForEachIndex run what
// they wait for themselves), so nested work finishes on a pool of one.
class WorkerPool {
public:
    // threadCount threads for each urgency (at least one), started with the
    // first work of that urgency, which waits until they all wait for work.
    explicit WorkerPool(std::size_t threadCount);
    // Work not begun is dropped (a PoolTask still runs it when asked); work
    // under way is waited for.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // The program's pool, with one thread per core the process may use, made
    // on first use.
    static WorkerPool& Shared();

    // Threads for each urgency.
    std::size_t ThreadCount() const { return m_threadCount; }

    // Runs work on a thread of the urgency's, or on the thread that asks for
    // its result first.
    template <typename Work>
    auto Submit(TaskUrgency urgency, Work work) -> PoolTask<std::invoke_result_t<Work&>>
    {
        auto [job, task] = Package(std::move(work));
        Enqueue(urgency, std::move(job));
        return task;
    }

    // Runs work now on a thread of urgency Now that is waiting for work, or
    // not at all (an invalid task) when none is: for a caller who will wait
    // for what the work hands over while it runs, and must do the work
    // itself otherwise.
    template <typename Work>
    auto StartOnIdleThread(Work work) -> PoolTask<std::invoke_result_t<Work&>>
    {
        auto [job, task] = Package(std::move(work));
        if (!EnqueueOnIdleThread(std::move(job))) {
            return {};
        }
        return task;
    }

    // Calls body(i) once for each i from 0 to count - 1, on the calling
    // thread and on up to ThreadCount() - 1 threads of urgency Now, each
    // taking at least minimumPerThread calls' worth of the loop (fewer
    // threads when the loop is short); returns when every call has returned.
    // Once a call raises, the calls not begun are skipped and the first
    // exception is raised here.
    void ForEachIndex(std::size_t count, const std::function<void(std::size_t)>& body,
                      std::size_t minimumPerThread = 1);

private:
    class Lane;

    template <typename Work>
    static auto Package(Work work)
    {
        using Result = std::invoke_result_t<Work&>;
        auto job = std::make_shared<worker_pool_detail::PackagedJob<Result>>(std::move(work));
        PoolTask<Result> task(job, job->SharedResult());
        return std::pair(std::shared_ptr<worker_pool_detail::Job>(std::move(job)), std::move(task));
    }

    Lane* LaneOf(TaskUrgency urgency);
    void Enqueue(TaskUrgency urgency, std::shared_ptr<worker_pool_detail::Job> job);
    bool EnqueueOnIdleThread(std::shared_ptr<worker_pool_detail::Job> job);

    std::size_t m_threadCount;
    std::once_flag m_nowStarted;
    std::once_flag m_aheadStarted;
    std::unique_ptr<Lane> m_now;
    std::unique_ptr<Lane> m_ahead;
};
