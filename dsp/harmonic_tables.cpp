#include "dsp/harmonic_tables.h"

#include "dsp/table_entries.h"
#include "dsp/two_core_split.h"
#include "runtime/progress.h"
#include "numbers/float_model.h"

#include <algorithm>
#include <limits>

namespace {

// The rows are split between the cores by their entries; below this many
// entries in all the second core is not worth a thread start, and rows
// shorter than kShortestSplitRow are not split at all.
constexpr int64_t kEntriesForSplit = 16384;
constexpr int64_t kShortestSplitRow = 32;
constexpr int kAngleBatch = 1024;

// Fills entries [begin, end) of every row; only the caller's half reports progress.
void FillRows(const TDFT& dft, int64_t begin, int64_t end, int32_t* sinTable,
              int32_t* cosTable, TProgress* progress)
{
    const int64_t n = dft.SampleCount;
    double angles[kAngleBatch];
    for (int32_t k = 0; k < dft.HarmonicCount; ++k) {
        if (progress)
            progress->SetPosition(k);
        for (int64_t first = begin; first < end; first += kAngleBatch) {
            const int count = int(std::min<int64_t>(kAngleBatch, end - first));
            for (int i = 0; i < count; ++i)
                angles[i] = TableAngle((first + i) * k, dft.AngleStep);
            const int64_t at = int64_t(k) * n + first;
            TableEntries(angles, count, dft.AdcScale, sinTable + at, cosTable + at);
        }
    }
}

} // namespace

void BuildHarmonicTables(TDFT& dft, TProgress& progress)
{
    const int32_t n = dft.SampleCount;
    const int32_t k = dft.HarmonicCount;
    dft.AngleStep = StoreDouble(Divide(kTwoPi, static_cast<long double>(n)));
    dft.SinTable->Seek(0);
    dft.CosTable->Seek(0);
    progress.SetMaximum(k);
    if (k > 0 && n > 0) {
        // K x N entries of 4 bytes: at most 2^62 x 4 bytes, beyond int64 only
        // in theory; such a request is refused like any that cannot be held.
        const uint64_t entries = uint64_t(k) * uint64_t(n);
        const int64_t bytes = entries > uint64_t(std::numeric_limits<int64_t>::max() / 4)
                                  ? -1
                                  : int64_t(entries * 4);
        dft.SinTable->Reserve(bytes);
        dft.CosTable->Reserve(bytes);
        auto* sinTable = reinterpret_cast<int32_t*>(dft.SinTable->Data());
        auto* cosTable = reinterpret_cast<int32_t*>(dft.CosTable->Data());
        const bool split = n >= kShortestSplitRow && int64_t(entries) >= kEntriesForSplit;
        SplitOverTwoCores(n, split ? 0 : INT64_MAX, [&](int64_t begin, int64_t end) {
            FillRows(dft, begin, end, sinTable, cosTable, begin == 0 ? &progress : nullptr);
        });
        dft.SinTable->CommitWrite(bytes);
        dft.CosTable->CommitWrite(bytes);
        dft.Angle = TableAngle(int64_t(n - 1) * (k - 1), dft.AngleStep);
    }
    progress.SetPosition(0);
}
