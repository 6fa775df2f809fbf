#include "runtime/progress.h"

#include "runtime/code_page.h"
#include "runtime/exceptions.h"

TProgress& NoProgress()
{
    static TNoProgress none;
    return none;
}

void StopIfAsked(const TProgress& progress)
{
    if (progress.StopAsked())
        throw ERunStopped(Cp("Остановлено"));
}

TPieceProgress::TPieceProgress(TProgress& progress, int64_t items) : progress_(progress), items_(items)
{
    progress_.SetMaximum(kSteps);
    progress_.SetPosition(0);
}

void TPieceProgress::Done(int64_t items)
{
    const int64_t done = done_ += items;
    if (reporting_.try_lock()) {
        // A file may grow while it is read: the position stays within the bar.
        progress_.SetPosition(done < items_ ? int(done * kSteps / items_) : kSteps);
        reporting_.unlock();
    }
    StopIfAsked(progress_);
}

void TPieceProgress::Finish() { progress_.SetPosition(0); }
