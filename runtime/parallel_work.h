#pragma once
// The one way the program runs work on more than one core: a range of
// independent items cut into pieces of at least `grain` items and handed to
// oneTBB's scheduler, whose workers are started once for the program and
// which uses every core. The calling thread takes pieces too. An exception
// thrown in any piece cancels the pieces not yet started and is rethrown to
// the caller once the others have ended.
//
// Results must not depend on how the range is cut or on how many workers
// there are: each piece writes only its own items, or adds into exact
// (integer) sums kept per worker slot and added up afterwards.
#include <cstdint>

#include <oneapi/tbb/blocked_range.h>
#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/parallel_for.h>
#include <oneapi/tbb/task_arena.h>

// How many worker slots there are: every piece runs on a thread whose
// WorkerSlot() is below this, so per-slot scratch of this many entries
// serves any piece without locking.
inline int WorkerSlots() { return oneapi::tbb::this_task_arena::max_concurrency(); }

// The slot of the thread running the current piece, 0 .. WorkerSlots() - 1.
inline int WorkerSlot()
{
    const int slot = oneapi::tbb::this_task_arena::current_thread_index();
    return slot >= 0 ? slot : 0;
}

// work(begin, end) for pieces that together cover [0, count) once each.
template <class Work>
void ForEachRange(int64_t count, int64_t grain, const Work& work)
{
    if (count <= 0)
        return;
    oneapi::tbb::parallel_for(oneapi::tbb::blocked_range<int64_t>(0, count, grain < 1 ? 1 : grain),
                              [&work](const oneapi::tbb::blocked_range<int64_t>& piece) {
                                  work(piece.begin(), piece.end());
                              });
}

// While it lives, at most `workers` threads (the caller's included) run
// pieces; benchmarks and tests compare one worker with all of them.
class TWorkerLimit {
public:
    explicit TWorkerLimit(int workers)
        : control_(oneapi::tbb::global_control::max_allowed_parallelism, size_t(workers < 1 ? 1 : workers))
    {
    }

private:
    oneapi::tbb::global_control control_;
};
