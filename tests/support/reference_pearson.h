#pragma once
// The sliding Pearson percentage by its definition, sharing no code with the
// program: for every offset j = 0 .. N - M the window is read twice, once for
// its mean rounded to a whole number, once for the three sums in 128-bit
// integers (no code is too large); 0 for a constant window or pattern.
#include <cmath>
#include <cstdint>
#include <vector>

namespace reference {

// Nearest integer, ties to the even neighbour (the default rounding mode).
inline int64_t RoundEven(long double x) { return std::llrint(x); }

inline int32_t RoundedMean(const int32_t* codes, int64_t count)
{
    int64_t sum = 0;
    for (int64_t i = 0; i < count; ++i)
        sum += codes[i];
    return int32_t(RoundEven(static_cast<long double>(sum) / count));
}

inline std::vector<int32_t> SlidingPearson(const std::vector<int32_t>& data,
                                           const std::vector<int32_t>& pattern, int32_t patternMean)
{
    __extension__ typedef __int128 Wide;
    const int64_t n = int64_t(data.size()), m = int64_t(pattern.size());
    std::vector<int32_t> curve;
    for (int64_t j = 0; j + m <= n; ++j) {
        const int32_t mean = RoundedMean(data.data() + j, m);
        Wide sxy = 0, sxx = 0, syy = 0;
        for (int64_t k = 0; k < m; ++k) {
            const Wide dx = Wide(data[size_t(j + k)]) - mean;
            const Wide dy = Wide(pattern[size_t(k)]) - patternMean;
            sxy += dx * dy;
            sxx += dx * dx;
            syy += dy * dy;
        }
        if (sxx == 0 || syy == 0) {
            curve.push_back(0);
            continue;
        }
        const long double q = static_cast<long double>(sxy) /
            (std::sqrt(static_cast<long double>(syy)) * std::sqrt(static_cast<long double>(sxx)));
        curve.push_back(int32_t(RoundEven(q * 100)));
    }
    return curve;
}

} // namespace reference
