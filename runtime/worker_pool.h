#pragma once
// The program's one pool of workers (oneTBB's scheduler, started once, using
// every core), as the code that is not cut into ranges sees it. No oneTBB
// header is included here, so Qt code may include this one.
#include <functional>
#include <memory>

// How many worker slots there are: every piece of parallel work runs on a
// thread whose WorkerSlot() is below this, so per-slot scratch of this many
// entries serves any piece without locking.
int WorkerSlots();
// The slot of the thread running the current piece, 0 .. WorkerSlots() - 1.
int WorkerSlot();

// While it lives, at most `workers` threads (the caller's included) run
// work; benchmarks and tests compare one worker with all of them.
class TWorkerLimit {
public:
    explicit TWorkerLimit(int workers);
    ~TWorkerLimit();
    TWorkerLimit(const TWorkerLimit&) = delete;
    TWorkerLimit& operator=(const TWorkerLimit&) = delete;

private:
    struct TControl;
    std::unique_ptr<TControl> control_;
};

// What the thread that makes a background task does meanwhile: work of its
// own (the pool keeps a core for it), or only wait (the window's event loop
// runs while the task computes; the task and the parallel work it starts
// then get every core).
enum class TCallerShare { Works, Waits };

// One piece of work beside the caller's own, on a worker of the pool. When
// no worker is free the caller runs it at its Wait(); the outcome is the
// same. Wait() rethrows what the work threw. The work runs in the
// floating-point modes of the thread that made the task.
class TBackgroundTask {
public:
    explicit TBackgroundTask(TCallerShare caller = TCallerShare::Works);
    // Waits for the work in flight.
    ~TBackgroundTask();
    TBackgroundTask(const TBackgroundTask&) = delete;
    TBackgroundTask& operator=(const TBackgroundTask&) = delete;

    // Starts work; the one started before must have been waited for.
    void Run(std::function<void()> work);
    void Wait();

private:
    struct TGroup;
    std::unique_ptr<TGroup> group_;
};
