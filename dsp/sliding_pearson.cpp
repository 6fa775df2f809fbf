#include "dsp/sliding_pearson.h"

#include "dsp/code_word.h"
#include "dsp/cross_terms.h"
#include "dsp/exact_dot.h"
#include "numbers/fast_round.h"
#include "dsp/magnitude.h"
#include "dsp/sample_quantizer.h"
#include "dsp/two_core_split.h"
#include "numbers/float_model.h"

#include <algorithm>

namespace {

constexpr int64_t kOffsetsForSplit = 2048;

// rootY is sqrt(Syy), the same for every offset; 0 when Syy is 0.
int32_t Percent(WideInt sxy, WideInt sxx, long double rootY)
{
    if (sxx == 0 || rootY == 0)
        return 0;
    const long double root = rootY * SquareRoot(WideToExtended(sxx));
    return LowWord(RoundNearestEven(WideToExtended(sxy) / root * 100.0L));
}

} // namespace

std::vector<int32_t> SlidingPearson(std::span<const int32_t> dataCodes,
                                    std::span<const int32_t> patternCodes, int32_t patternMean)
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

    const long double rootY = SquareRoot(WideToExtended(syy));
    const TCrossTerms crossTerms({data, dy.data(), m, maxAbsData, maxAbsDy}, dataCount);
    std::vector<int32_t> result(static_cast<size_t>(offsets));
    SplitOverTwoCores(offsets, kOffsetsForSplit, [&](int64_t begin, int64_t end) {
        std::vector<WideInt> cross(static_cast<size_t>(end - begin));
        crossTerms.Compute(begin, end, cross.data());
        // Window sums and sums of squares slide from offset to offset, exactly.
        int64_t sum = 0;
        WideInt squares = 0;
        for (int64_t k = 0; k < m; ++k) {
            sum += data[begin + k];
            squares += int64_t(data[begin + k]) * data[begin + k];
        }
        for (int64_t j = begin; j < end; ++j) {
            if (j > begin) {
                const int64_t leaving = data[j - 1];
                const int64_t entering = data[j + m - 1];
                sum += entering - leaving;
                squares += entering * entering - leaving * leaving;
            }
            // With the window mean w: Sxx = sum d^2 - 2 w sum d + M w^2 and
            // Sxy = sum d dy - w sum dy.
            const WideInt w = RoundedQuotient(sum, m);
            const WideInt sxx = squares - 2 * w * sum + WideInt(m) * w * w;
            const WideInt sxy = cross[size_t(j - begin)] - w * dySum;
            result[size_t(j)] = Percent(sxy, sxx, rootY);
        }
    });
    return result;
}
