#include "dsp/harmonic_sums.h"

#include "dsp/magnitude.h"
#include "runtime/parallel_work.h"

#include <algorithm>

namespace {

// A piece of the samples makes about this many table entries in all, and
// has at least this many samples: smaller pieces cost more to hand out than
// they save.
constexpr int64_t kEntriesPerPiece = 1 << 20;
constexpr int64_t kShortestPiece = 2 * kTableBlock;

// The sums of every row over samples [begin, end), with the two blocks of
// entries at sinBlock and cosBlock.
void SumRange(const TDFT& dft, const int32_t* codes, int64_t begin, int64_t end, int32_t* sinBlock,
              int32_t* cosBlock, std::vector<THarmonicSum>& sums)
{
    for (int64_t first = begin; first < end; first += kTableBlock) {
        const int64_t count = std::min(kTableBlock, end - first);
        const std::span<const int32_t> block(codes + first, size_t(count));
        uint32_t maxCode = 0;
        for (const int32_t code : block)
            maxCode = std::max(maxCode, Magnitude(code));
        for (size_t k = 0; k < dft.Rows.size(); ++k) {
            const THarmonicRow& row = dft.Rows[k];
            // |Round(Sin x A)| <= |A|; for A = -2^31 the low word of +-2^31 is -2^31.
            const uint64_t maxEntry = Magnitude(row.adcScale);
            RowEntries(row, first, count, sinBlock, cosBlock);
            sums[k].re += ExactDot(block, {cosBlock, size_t(count)}, maxCode, maxEntry);
            sums[k].im += ExactDot(block, {sinBlock, size_t(count)}, maxCode, maxEntry);
        }
    }
}

} // namespace

void SumHarmonics(TDFT& dft, TProgress& progress)
{
    dft.Sums.clear();
    const int64_t n = dft.SampleCount > 0 ? dft.SampleCount : 0;
    const int32_t* codes = dft.DataCodes->Elements<int32_t>(0, n).data();
    const size_t rows = dft.Rows.size();
    // One block of each table and one set of sums per worker slot; the sums
    // are exact, so the total is the same however the samples were cut.
    const int slots = WorkerSlots();
    int32_t* sinBlocks = dft.SinTable->ElementsForWrite<int32_t>(slots * kTableBlock).data();
    int32_t* cosBlocks = dft.CosTable->ElementsForWrite<int32_t>(slots * kTableBlock).data();
    std::vector<std::vector<THarmonicSum>> slotSums(static_cast<size_t>(slots),
                                                    std::vector<THarmonicSum>(rows));
    // Pieces of whole blocks, each worth handing to another core.
    const int64_t piece = std::max(kShortestPiece, kEntriesPerPiece / std::max<int64_t>(1, int64_t(rows)));
    const int64_t grain = (piece + kTableBlock - 1) / kTableBlock * kTableBlock;
    TPieceProgress pieces(progress, n);
    ForEachRange(n, grain, [&](int64_t begin, int64_t end) {
        const int slot = WorkerSlot();
        SumRange(dft, codes, begin, end, sinBlocks + slot * kTableBlock, cosBlocks + slot * kTableBlock,
                 slotSums[size_t(slot)]);
        pieces.Done(end - begin);
    });
    pieces.Finish();
    dft.SinTable->CommitElements<int32_t>(slots * kTableBlock);
    dft.CosTable->CommitElements<int32_t>(slots * kTableBlock);
    std::vector<THarmonicSum> sums(rows);
    for (const std::vector<THarmonicSum>& part : slotSums)
        for (size_t k = 0; k < rows; ++k)
            sums[k] = {sums[k].re + part[k].re, sums[k].im + part[k].im};
    dft.Sums = std::move(sums);
}
