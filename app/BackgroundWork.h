#pragma once

#include "core/WorkerPool.h"

#include <QFuture>
#include <QPromise>

#include <exception>
#include <type_traits>
#include <utility>

// The desktop's background work runs on the program's worker pool, where
// the computations it calls spread their own parallel work (a search's
// candidates) over the same threads instead of starting threads inside a
// thread pool of Qt's. Its result comes back through a QFuture, for a
// QFutureWatcher on the interface thread; what the work raises,
// QFuture::result raises.

// For work that reports its progress, checks QPromise::isCanceled and adds
// its result itself: work(QPromise<Result>&).
template <typename Result, typename Work>
QFuture<Result> RunWithPromise(Work work)
{
    QPromise<Result> promise;
    QFuture<Result> future = promise.future();
    promise.start();
    WorkerPool::Shared().Submit(TaskUrgency::Now, [promise = std::move(promise), work = std::move(work)]() mutable {
        try {
            work(promise);
        } catch (...) {
            promise.setException(std::current_exception());
        }
        promise.finish();
    });
    return future;
}

// For work that returns its result.
template <typename Work>
auto RunInBackground(Work work) -> QFuture<std::invoke_result_t<Work&>>
{
    using Result = std::invoke_result_t<Work&>;
    return RunWithPromise<Result>(
        [work = std::move(work)](QPromise<Result>& promise) mutable { promise.addResult(work()); });
}
