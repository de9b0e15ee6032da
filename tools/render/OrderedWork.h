#pragma once

#include <QThreadPool>

#include <deque>
#include <functional>
#include <future>
#include <memory>

// Makes count results, make(0) to make(count - 1), on up to workers threads
// and hands each to take on the calling thread in index order. At most two
// results a worker are made ahead of the one taken next, so memory stays
// flat however many there are. When take returns false nothing more is
// begun; what is under way is finished and dropped. With one worker, or
// one result, everything runs on the calling thread.
template <typename Result>
void RunInOrder(int count, int workers, const std::function<Result(int)> &make,
                const std::function<bool(Result)> &take)
{
    if (workers <= 1 || count <= 1) {
        for (int index = 0; index < count; ++index) {
            if (!take(make(index)))
                return;
        }
        return;
    }
    QThreadPool pool;
    pool.setMaxThreadCount(workers);
    std::deque<std::future<Result>> pending;
    const size_t ahead = size_t(workers) * 2;
    int next = 0;
    bool going = true;
    while (going && (next < count || !pending.empty())) {
        while (next < count && pending.size() < ahead) {
            auto task = std::make_shared<std::packaged_task<Result()>>(
                [&make, index = next] { return make(index); });
            pending.push_back(task->get_future());
            pool.start([task] { (*task)(); });
            ++next;
        }
        Result result = pending.front().get();
        pending.pop_front();
        going = take(std::move(result));
    }
    pool.waitForDone();
}
