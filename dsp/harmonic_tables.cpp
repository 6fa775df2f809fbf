#include "dsp/harmonic_tables.h"

#include "dsp/table_entries.h"
#include "dsp/two_core_split.h"
#include "runtime/progress.h"
#include "numbers/float_model.h"

#include <algorithm>

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
    progress.SetMaximum(k);
    if (k > 0 && n > 0) {
        // K x N entries, at most 2^62: a count whose bytes no buffer can hold
        // is refused like any other request that cannot be held.
        const int64_t count = int64_t(k) * n;
        const std::span<int32_t> sinTable = dft.SinTable->ElementsForWrite<int32_t>(count);
        const std::span<int32_t> cosTable = dft.CosTable->ElementsForWrite<int32_t>(count);
        const bool split = n >= kShortestSplitRow && count >= kEntriesForSplit;
        SplitOverTwoCores(n, split ? 0 : INT64_MAX, [&](int64_t begin, int64_t end) {
            FillRows(dft, begin, end, sinTable.data(), cosTable.data(), begin == 0 ? &progress : nullptr);
        });
        dft.SinTable->CommitElements<int32_t>(count);
        dft.CosTable->CommitElements<int32_t>(count);
        dft.Angle = TableAngle(int64_t(n - 1) * (k - 1), dft.AngleStep);
    }
    progress.SetPosition(0);
}
