#pragma once
// The progress display a long computation drives (the window's progress bar);
// plain code and tests use it without a widget. It also carries the user's
// request to stop: long loops ask at their cancellation points.
#include <atomic>
#include <cstdint>
#include <mutex>

class TProgress {
public:
    virtual ~TProgress() = default;
    virtual void SetMaximum(int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    // True once the computation should stop; asked from any worker, so an
    // answer takes no lock.
    virtual bool StopAsked() const { return false; }
};

// Ignores everything: for callers that show no progress.
class TNoProgress final : public TProgress {
public:
    void SetMaximum(int) override { }
    void SetPosition(int) override { }
};

// One shared TNoProgress, the default of the computations' progress argument.
TProgress& NoProgress();

// A cancellation point: raises ERunStopped "Остановлено" when the stop was asked.
void StopIfAsked(const TProgress& progress);

// The progress of a loop whose pieces run on several workers: the position is
// the share of its items done, out of kSteps. The pieces report one at a
// time (a piece that finds another reporting goes on), so the progress
// underneath never sees two calls at once.
class TPieceProgress {
public:
    static constexpr int kSteps = 1000;

    TPieceProgress(TProgress& progress, int64_t items);
    // After a piece of items; a cancellation point.
    void Done(int64_t items);
    // Ends at position 0, as the table build does.
    void Finish();
    const TProgress& Underlying() const { return progress_; }

private:
    TProgress& progress_;
    int64_t items_;
    std::atomic<int64_t> done_ = 0;
    std::mutex reporting_;
};
