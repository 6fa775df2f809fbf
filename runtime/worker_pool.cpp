#include "runtime/worker_pool.h"

#include "runtime/sanitizer_hand_off.h"

#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/task_arena.h>
#include <oneapi/tbb/task_group.h>

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
    oneapi::tbb::task_group_context context{oneapi::tbb::task_group_context::bound,
                                            oneapi::tbb::task_group_context::default_traits |
                                                oneapi::tbb::task_group_context::fp_settings};
    oneapi::tbb::task_group group{context};
};

TBackgroundTask::TBackgroundTask() : group_(new TGroup) { }

TBackgroundTask::~TBackgroundTask()
{
    const hand_off::TWait wait;
    try {
        group_->group.wait();
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
    group_->group.run(std::move(task));
}

void TBackgroundTask::Wait()
{
    const hand_off::TWait wait;
    group_->group.wait();
}
