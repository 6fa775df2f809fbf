#include "dsp/harmonic_sums.h"

#include "dsp/magnitude.h"
#include "dsp/two_core_split.h"

#include <algorithm>

namespace {

// Below this many entries in all the second core is not worth a thread
// start, and data of fewer samples than two groups of turned entries is not
// split at all.
constexpr int64_t kEntriesForSplit = 65536;
constexpr int64_t kShortestSplit = 512;

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

void SumHarmonics(TDFT& dft)
{
    dft.Sums.clear();
    const int64_t n = dft.SampleCount > 0 ? dft.SampleCount : 0;
    const int32_t* codes = dft.DataCodes->Elements<int32_t>(0, n).data();
    const size_t rows = dft.Rows.size();
    int32_t* sinBlocks = dft.SinTable->ElementsForWrite<int32_t>(2 * kTableBlock).data();
    int32_t* cosBlocks = dft.CosTable->ElementsForWrite<int32_t>(2 * kTableBlock).data();
    std::vector<THarmonicSum> halves[2] = {std::vector<THarmonicSum>(rows), std::vector<THarmonicSum>(rows)};
    const bool split = n >= kShortestSplit && n * int64_t(rows) >= kEntriesForSplit;
    SplitOverTwoCores(n, split ? 0 : INT64_MAX, [&](int64_t begin, int64_t end) {
        const int half = begin == 0 ? 0 : 1;
        SumRange(dft, codes, begin, end, sinBlocks + half * kTableBlock, cosBlocks + half * kTableBlock,
                 halves[half]);
    });
    dft.SinTable->CommitElements<int32_t>(2 * kTableBlock);
    dft.CosTable->CommitElements<int32_t>(2 * kTableBlock);
    for (size_t k = 0; k < rows; ++k)
        halves[0][k] = {halves[0][k].re + halves[1][k].re, halves[0][k].im + halves[1][k].im};
    dft.Sums = std::move(halves[0]);
}
