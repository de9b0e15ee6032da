#pragma once

#include <QThreadPool>

#include <chrono>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <optional>

// Makes a result of each job next gives, until it gives none, on up to
// workers threads, and hands each to take on the calling thread in the
// order of the jobs. Jobs are asked for only as they can be begun: at most
// two a worker are made ahead of the one taken next, so memory stays flat
// however many there are, and results already made are taken before the
// next job is asked for. When take returns false nothing more is begun;
// what is under way is finished and dropped. With one worker everything
// runs on the calling thread.
template <typename Job, typename Result>
void RunInOrder(const std::function<std::optional<Job>()> &next, int workers,
                const std::function<Result(Job)> &make, const std::function<bool(Result)> &take)
{
    if (workers <= 1) {
        while (std::optional<Job> job = next()) {
            if (!take(make(std::move(*job))))
                return;
        }
        return;
    }
    QThreadPool pool;
    pool.setMaxThreadCount(workers);
    std::deque<std::future<Result>> pending;
    const size_t ahead = size_t(workers) * 2;
    const auto takeFront = [&] {
        Result result = pending.front().get();
        pending.pop_front();
        return take(std::move(result));
    };
    const auto frontReady = [&] {
        return !pending.empty() &&
               pending.front().wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    bool more = true;
    bool going = true;
    while (going && (more || !pending.empty())) {
        while (going && more && pending.size() < ahead) {
            while (going && frontReady())
                going = takeFront();
            std::optional<Job> job = going ? next() : std::nullopt;
            if (!job) {
                more = false;
                break;
            }
            auto task = std::make_shared<std::packaged_task<Result()>>(
                [&make, job = std::move(*job)]() mutable { return make(std::move(job)); });
            pending.push_back(task->get_future());
            pool.start([task] { (*task)(); });
        }
        if (going && !pending.empty())
            going = takeFront();
    }
    pool.waitForDone();
}

// The same for count jobs numbered 0 to count - 1; a single one runs on the
// calling thread.
template <typename Result>
void RunInOrder(int count, int workers, const std::function<Result(int)> &make,
                const std::function<bool(Result)> &take)
{
    int index = 0;
    RunInOrder<int, Result>(
        [&index, count]() -> std::optional<int> {
            if (index >= count)
                return std::nullopt;
            return index++;
        },
        count <= 1 ? 1 : workers, make, take);
}
