#pragma once
// The one way the program runs a range of work on more than one core: the
// range of independent items is cut into pieces of at most `grain` items and
// handed to the worker pool (runtime/worker_pool.h); the calling thread takes
// pieces too. An exception thrown in any piece cancels the pieces not yet
// started and is rethrown to the caller once the others have ended. Every
// piece runs in the caller's floating-point rounding and precision modes;
// fault flags raised in a piece stay with the thread that ran it.
//
// Results must not depend on how the range is cut or on how many workers
// there are: each piece writes only its own items, or adds into exact
// (integer) sums kept per worker slot and added up afterwards.
//
// This header brings oneTBB's own; Qt code includes worker_pool.h instead
// (oneTBB names a function "emit", which Qt defines away as a macro).
#include "runtime/sanitizer_hand_off.h"
#include "runtime/worker_pool.h"

#include <cstdint>

#include <oneapi/tbb/blocked_range.h>
#include <oneapi/tbb/parallel_for.h>
#include <oneapi/tbb/task_group.h>

// work(begin, end) for pieces that together cover [0, count) once each.
template <class Work>
void ForEachRange(int64_t count, int64_t grain, const Work& work)
{
    if (count <= 0)
        return;
    // Every piece runs in the caller's rounding and precision modes.
    oneapi::tbb::task_group_context context(oneapi::tbb::task_group_context::bound,
                                            oneapi::tbb::task_group_context::default_traits |
                                                oneapi::tbb::task_group_context::fp_settings);
    hand_off::Start();
    const hand_off::TWait wait;
    oneapi::tbb::parallel_for(
        oneapi::tbb::blocked_range<int64_t>(0, count, grain < 1 ? 1 : grain),
        [&work](const oneapi::tbb::blocked_range<int64_t>& piece) {
            const hand_off::TPiece running;
            work(piece.begin(), piece.end());
        },
        context);
}
