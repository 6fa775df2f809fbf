#include "dsp/harmonic_tables.h"

#include "numbers/float_model.h"
#include "runtime/parallel_work.h"
#include "runtime/progress.h"

namespace {

// The run's memory and work against the growth limit (see the header).
void RequireRoomForRun(int64_t samples, int64_t harmonics, TWorkBound bound)
{
    const uint64_t limit = TMemoryBuffer::GrowthLimit();
    // K and N are below 2^31: K x N < 2^62 and K x 400 < 2^40, no overflow.
    if (bound == TWorkBound::Refuse && uint64_t(samples) * uint64_t(harmonics) > limit / 8)
        TMemoryBuffer::RaiseGrowthError();
    const uint64_t blocks = 2 * uint64_t(WorkerSlots()) * uint64_t(kTableBlock) * sizeof(int32_t);
    TMemoryBuffer::RequireRoom(uint64_t(harmonics) * kBytesPerHarmonic + blocks);
}

} // namespace

void BuildHarmonicTables(TDFT& dft, TProgress& progress, TWorkBound bound)
{
    const int32_t n = dft.SampleCount;
    const int32_t k = dft.HarmonicCount;
    dft.AngleStep = StoreDouble(Divide(kTwoPi, static_cast<long double>(n)));
    progress.SetMaximum(k);
    dft.Sums.clear();
    dft.Rows.clear();
    if (k > 0 && n > 0) {
        RequireRoomForRun(n, k, bound);
        dft.SinTable->ElementsForWrite<int32_t>(WorkerSlots() * kTableBlock);
        dft.CosTable->ElementsForWrite<int32_t>(WorkerSlots() * kTableBlock);
        dft.Rows.reserve(size_t(k));
        for (int32_t row = 0; row < k; ++row) {
            progress.SetPosition(row);
            dft.Rows.push_back(PlanRow(row, n, dft.AngleStep, dft.AdcScale));
        }
        dft.Angle = TableAngle(int64_t(n - 1) * (k - 1), dft.AngleStep);
    }
    progress.SetPosition(0);
}
