#include "dsp/harmonic_tables.h"

#include "numbers/float_model.h"
#include "runtime/parallel_work.h"
#include "runtime/progress.h"

namespace {

// The run's memory against the growth limit (see the header).
void RequireRoomForRun(const TDFT& dft, int64_t samples, int64_t harmonics)
{
    // K and N are below 2^31: K x 400 < 2^40 and N x 9 < 2^35, no overflow.
    const uint64_t codesHeld = dft.DataCodes->Capacity() / sizeof(int32_t);
    const uint64_t newCodes = uint64_t(samples) > codesHeld ? uint64_t(samples) - codesHeld : 0;
    const uint64_t samplesBytes = uint64_t(samples) * (kBytesPerSample - sizeof(int32_t)) +
        newCodes * sizeof(int32_t);
    const uint64_t blocks = 2 * uint64_t(WorkerSlots()) * uint64_t(kTableBlock) * sizeof(int32_t);
    TMemoryBuffer::RequireRoom(uint64_t(harmonics) * kBytesPerHarmonic + samplesBytes + blocks);
}

// Millions of harmonics take a while to plan: a stop is asked between runs
// of this many rows.
constexpr int32_t kRowsBetweenStops = 1 << 16;

} // namespace

void BuildHarmonicTables(TDFT& dft, TProgress& progress)
{
    const int32_t n = dft.SampleCount;
    const int32_t k = dft.HarmonicCount;
    dft.AngleStep = StoreDouble(Divide(kTwoPi, static_cast<long double>(n)));
    progress.SetMaximum(k);
    dft.Sums.clear();
    dft.Rows.clear();
    if (k > 0 && n > 0) {
        RequireRoomForRun(dft, n, k);
        dft.SinTable->ElementsForWrite<int32_t>(WorkerSlots() * kTableBlock);
        dft.CosTable->ElementsForWrite<int32_t>(WorkerSlots() * kTableBlock);
        dft.Rows.reserve(size_t(k));
        for (int32_t row = 0; row < k; ++row) {
            progress.SetPosition(row);
            if (row % kRowsBetweenStops == kRowsBetweenStops - 1)
                StopIfAsked(progress);
            dft.Rows.push_back(PlanRow(row, n, dft.AngleStep, dft.AdcScale));
        }
        dft.Angle = TableAngle(int64_t(n - 1) * (k - 1), dft.AngleStep);
    }
    progress.SetPosition(0);
}
