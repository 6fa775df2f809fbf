#include "dsp/pearson_percent.h"

#include "dsp/code_word.h"
#include "numbers/fast_round.h"
#include "numbers/float_model.h"

#include <cmath>

namespace {

thread_local int64_t g_exactCount = 0;

// The double quotient rounds six times (two conversions, the square root, the
// product, the quotient, the product with 100) and takes sqrt(Syy) rounded
// once more: relative error below 8 x 2^-53 < 1e-15, so below 1e-13 at 100;
// the extended one's is below 10 x 2^-64. 2^-40 (9.1e-13) is nine times their sum.
constexpr double kQuotientError = 0x1p-40;

} // namespace

TPearsonPercent::TPearsonPercent(WideInt syy)
        : rootY_(SquareRoot(WideToExtended(syy))), rootYDouble_(double(rootY_))
{
}

int32_t TPearsonPercent::Exact(WideInt sxy, WideInt sxx) const
{
    if (sxx == 0 || rootY_ == 0)
        return 0;
    const long double root = rootY_ * SquareRoot(WideToExtended(sxx));
    return LowWord(RoundNearestEven(WideToExtended(sxy) / root * 100.0L));
}

int32_t TPearsonPercent::operator()(int64_t sxy, int64_t sxx) const
{
    if (sxx == 0 || rootY_ == 0)
        return 0;
    // sxx > 0 and rootY >= 1 (Syy is a whole number): no fault can arise.
    const double percent = double(sxy) / (rootYDouble_ * std::sqrt(double(sxx))) * 100.0;
    const double nearest = std::nearbyint(percent); // ties to even, the current mode
    // |percent - nearest| <= 0.5 is exact (the two lie within a factor of two,
    // or nearest is 0); its distance to 0.5 rounds by at most 2^-54.
    if (0.5 - std::fabs(percent - nearest) > kQuotientError)
        return int32_t(nearest);
    ++g_exactCount;
    return Exact(sxy, sxx);
}

int64_t TPearsonPercent::ExactCount() { return g_exactCount; }
