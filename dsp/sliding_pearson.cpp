#include "dsp/sliding_pearson.h"

#include "dsp/cross_terms.h"
#include "dsp/exact_dot.h"
#include "dsp/magnitude.h"
#include "dsp/pearson_percent.h"
#include "dsp/sample_quantizer.h"
#include "runtime/parallel_work.h"

#include <algorithm>

namespace {

// Offsets whose cross terms are computed together: 4096 x 16 bytes stay in
// the second-level cache, and no piece of a long record holds all of its own.
constexpr int64_t kOffsetBlock = 4096;
// Offsets handed to a worker at a time: a few blocks, so that the window's
// set-up at a piece's first offset costs little beside its cross terms.
constexpr int64_t kOffsetsPerPiece = 4 * kOffsetBlock;

// What every offset shares.
struct TPearsonInput {
    const int32_t* data;
    int64_t patternCount; // M
    int64_t dySum;        // sum of the pattern's deviations
    const TCrossTerms& crossTerms;
    const TPearsonPercent& percent;
    TPieceProgress& progress;
};

// r(j) for j in [begin, end), with Sum the integer type in which every term
// below is exact: int64_t when the magnitudes allow it, otherwise WideInt.
template <class Sum>
void CorrelateRange(const TPearsonInput& in, int64_t begin, int64_t end, int32_t* result)
{
    const int32_t* data = in.data;
    const int64_t m = in.patternCount;
    WideInt cross[kOffsetBlock];
    // Window sums and sums of squares slide from offset to offset, exactly.
    int64_t sum = 0;
    Sum squares = 0;
    for (int64_t k = 0; k < m; ++k) {
        sum += data[begin + k];
        squares += Sum(int64_t(data[begin + k]) * data[begin + k]);
    }
    for (int64_t first = begin; first < end; first += kOffsetBlock) {
        const int64_t last = std::min(end, first + kOffsetBlock);
        in.crossTerms.Compute(first, last, cross);
        for (int64_t j = first; j < last; ++j) {
            if (j > begin) {
                const int64_t leaving = data[j - 1];
                const int64_t entering = data[j + m - 1];
                sum += entering - leaving;
                squares += Sum(entering * entering - leaving * leaving);
            }
            // With the window mean w: Sxx = sum d^2 - 2 w sum d + M w^2 and
            // Sxy = sum d dy - w sum dy.
            const Sum w = Sum(RoundedQuotient(sum, m));
            const Sum sxx = squares - 2 * w * Sum(sum) + Sum(m) * w * w;
            const Sum sxy = Sum(cross[j - first]) - w * Sum(in.dySum);
            if constexpr (sizeof(Sum) == sizeof(int64_t))
                result[j] = in.percent(sxy, sxx);
            else
                result[j] = in.percent.Exact(sxy, sxx);
        }
        in.progress.Done(last - first);
    }
}

} // namespace

std::vector<int32_t> SlidingPearson(std::span<const int32_t> dataCodes, std::span<const int32_t> patternCodes,
                                    int32_t patternMean, TProgress& progress)
{
    const int32_t* data = dataCodes.data();
    const int32_t* pattern = patternCodes.data();
    const int64_t dataCount = int64_t(dataCodes.size());
    const int64_t m = int64_t(patternCodes.size());
    if (m < 1 || dataCount < m)
        return {};
    const int64_t offsets = dataCount - m + 1;

    std::vector<int64_t> dy(static_cast<size_t>(m));
    WideInt syy = 0;
    int64_t dySum = 0; // |dy| < 2^32, so |sum| < 2^63 for any M memory holds
    uint64_t maxAbsDy = 0;
    for (int64_t k = 0; k < m; ++k) {
        dy[size_t(k)] = int64_t(pattern[k]) - patternMean;
        syy += WideInt(dy[size_t(k)]) * dy[size_t(k)];
        dySum += dy[size_t(k)];
        maxAbsDy = std::max(maxAbsDy, Magnitude(dy[size_t(k)]));
    }
    uint64_t maxAbsData = 0;
    for (int64_t i = 0; i < dataCount; ++i)
        maxAbsData = std::max<uint64_t>(maxAbsData, Magnitude(data[i]));

    const TPearsonPercent percent(syy);
    const TCrossTerms crossTerms({data, dy.data(), m, maxAbsData, maxAbsDy}, dataCount);
    TPieceProgress pieces(progress, offsets);
    const TPearsonInput input{data, m, dySum, crossTerms, percent, pieces};
    // With D = max |d| (so the window mean too is at most D) and Y = max |dy|:
    // sum d^2 <= M D^2, |2 w sum d| <= 2 M D^2, M w^2 <= M D^2, so Sxx and
    // every partial of it stay within 4 M D^2; |sum d dy| and |w sum dy| are at
    // most M D Y each. Below 2^62 for both, 64 bits hold every term.
    const WideUInt squaresBound = WideUInt(4) * uint64_t(m) * maxAbsData * maxAbsData;
    const WideUInt crossBound = WideUInt(2) * uint64_t(m) * maxAbsData * maxAbsDy;
    const bool narrow = squaresBound < (WideUInt(1) << 62) && crossBound < (WideUInt(1) << 62);
    std::vector<int32_t> result(static_cast<size_t>(offsets));
    ForEachRange(offsets, kOffsetsPerPiece, [&](int64_t begin, int64_t end) {
        if (narrow)
            CorrelateRange<int64_t>(input, begin, end, result.data());
        else
            CorrelateRange<WideInt>(input, begin, end, result.data());
    });
    pieces.Finish();
    return result;
}
