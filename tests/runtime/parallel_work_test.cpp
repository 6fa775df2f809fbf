// The parallel work facility: every item once, whatever the cut and the
// number of workers, and a worker's exception back at the caller.
#include "runtime/parallel_work.h"

#include <algorithm>
#include <atomic>
#include <cfenv>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

TEST(ParallelWork, EveryItemOnceInPiecesOfAtMostTheGrainOnOwnSlots)
{
    for (const int workers : {1, WorkerSlots()}) {
        const TWorkerLimit limit(workers);
        for (const int64_t count : {int64_t(0), int64_t(1), int64_t(999), int64_t(100000)}) {
            std::vector<std::atomic<int>> seen(static_cast<size_t>(count));
            std::atomic<int64_t> longest{0};
            std::atomic<bool> slotsInRange{true};
            ForEachRange(count, 1000, [&](int64_t begin, int64_t end) {
                for (int64_t i = begin; i < end; ++i)
                    ++seen[size_t(i)];
                longest = std::max<int64_t>(longest, end - begin);
                if (WorkerSlot() < 0 || WorkerSlot() >= WorkerSlots())
                    slotsInRange = false;
            });
            for (int64_t i = 0; i < count; ++i)
                ASSERT_EQ(seen[size_t(i)], 1) << i;
            EXPECT_LE(longest, 1000);
            EXPECT_TRUE(slotsInRange);
        }
    }
}

TEST(ParallelWork, AnExceptionInAnyPieceReachesTheCaller)
{
    std::atomic<int> started{0};
    EXPECT_THROW(ForEachRange(1 << 20, 1024,
                              [&](int64_t begin, int64_t) {
                                  ++started;
                                  if (begin >= (1 << 19))
                                      throw std::runtime_error("piece failed");
                              }),
                 std::runtime_error);
    // The pieces after the failure are cancelled, not all run.
    EXPECT_LT(started, 1024);
    // The pool works on after a failure.
    std::atomic<int64_t> total{0};
    ForEachRange(4096, 64, [&](int64_t begin, int64_t end) { total += end - begin; });
    EXPECT_EQ(total, 4096);
}

TEST(ParallelWork, PiecesRunInTheCallersRoundingMode)
{
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    std::atomic<bool> allUpward{true};
    std::atomic<int> slotsSeen{0};
    ForEachRange(1 << 16, 256, [&](int64_t, int64_t) {
        if (std::fegetround() != FE_UPWARD)
            allUpward = false;
        slotsSeen |= 1 << std::min(WorkerSlot(), 30);
        // Long enough for the other workers to take pieces too.
        volatile double x = 1;
        for (int i = 0; i < 20000; ++i)
            x = x * 1.0000001;
    });
    TBackgroundTask task;
    std::atomic<int> taskMode{-1};
    task.Run([&] { taskMode = std::fegetround(); });
    task.Wait();
    std::fesetround(saved);
    EXPECT_TRUE(allUpward);
    EXPECT_EQ(taskMode, FE_UPWARD);
    if (WorkerSlots() > 1) {
        EXPECT_NE(slotsSeen & ~1, 0) << "no piece ran on a worker";
    }
}
