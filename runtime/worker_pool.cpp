#include "runtime/worker_pool.h"

#include "runtime/sanitizer_hand_off.h"

#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/info.h>
#include <oneapi/tbb/task_arena.h>
#include <oneapi/tbb/task_group.h>

#include <optional>

int WorkerSlots() { return oneapi::tbb::this_task_arena::max_concurrency(); }

int WorkerSlot()
{
    const int slot = oneapi::tbb::this_task_arena::current_thread_index();
    return slot >= 0 ? slot : 0;
}

struct TWorkerLimit::TControl {
    oneapi::tbb::global_control control;
};

TWorkerLimit::TWorkerLimit(int workers)
        : control_(new TControl{
              {oneapi::tbb::global_control::max_allowed_parallelism, size_t(workers < 1 ? 1 : workers)}})
{
}

TWorkerLimit::~TWorkerLimit() = default;

// The work runs in the floating-point modes of the thread that made the task.
struct TBackgroundTask::TGroup {
    explicit TGroup(TCallerShare caller)
    {
        if (caller == TCallerShare::Waits) {
            // An arena of its own keeps no slot for the waiting caller, and the
            // pool may start one worker more than it keeps for callers, so
            // that every core works for the task.
            const int cores = oneapi::tbb::info::default_concurrency();
            moreWorkers.emplace(oneapi::tbb::global_control::max_allowed_parallelism, size_t(cores) + 1);
            arena.emplace(cores, 0);
        }
    }
    template <class F>
    void InArena(F&& f)
    {
        if (arena)
            arena->execute(f);
        else
            f();
    }

    oneapi::tbb::task_group_context context{oneapi::tbb::task_group_context::bound,
                                            oneapi::tbb::task_group_context::default_traits |
                                                oneapi::tbb::task_group_context::fp_settings};
    std::optional<oneapi::tbb::global_control> moreWorkers;
    std::optional<oneapi::tbb::task_arena> arena;
    oneapi::tbb::task_group group{context};
};

TBackgroundTask::TBackgroundTask(TCallerShare caller) : group_(new TGroup(caller)) { }

TBackgroundTask::~TBackgroundTask()
{
    try {
        Wait();
    } catch (...) {
        // The owner did not wait for an outcome it did not want.
    }
}

void TBackgroundTask::Run(std::function<void()> work)
{
    oneapi::tbb::task_handle task = group_->group.defer([work = std::move(work)] {
        const hand_off::TPiece running;
        work();
    });
    hand_off::Start();
    group_->InArena([&] { group_->group.run(std::move(task)); });
}

void TBackgroundTask::Wait()
{
    const hand_off::TWait wait;
    group_->InArena([&] { group_->group.wait(); });
}
