#include "dsp/exact_dot.h"

#include "dsp/magnitude.h"

namespace {

struct NarrowDot {
    int64_t sum;          // the sum modulo 2^64
    uint64_t maxAbsA;     // the largest |a[i]|
    uint64_t maxAbsB;
};

// One pass that sums in 64 bits (wrapping, well defined in unsigned
// arithmetic) and finds both magnitudes, so that the caller can tell whether
// the 64-bit sum is the exact one.
__attribute__((target_clones("avx2", "default"))) NarrowDot DotIn64(const int32_t* a,
                                                                   const int32_t* b,
                                                                   int64_t count)
{
    uint64_t sum = 0;
    uint32_t maxA = 0;
    uint32_t maxB = 0;
    for (int64_t i = 0; i < count; ++i) {
        sum += uint64_t(int64_t(a[i]) * int64_t(b[i]));
        const uint32_t ma = Magnitude(a[i]);
        const uint32_t mb = Magnitude(b[i]);
        maxA = ma > maxA ? ma : maxA;
        maxB = mb > maxB ? mb : maxB;
    }
    return {int64_t(sum), maxA, maxB};
}

WideInt DotIn128(const int32_t* a, const int32_t* b, int64_t count)
{
    WideInt sum = 0;
    for (int64_t i = 0; i < count; ++i)
        sum += int64_t(a[i]) * int64_t(b[i]); // each product < 2^62 in magnitude
    return sum;
}

} // namespace

WideInt ExactDot(std::span<const int32_t> a, std::span<const int32_t> b)
{
    const int64_t count = int64_t(a.size());
    if (count == 0)
        return 0;
    const NarrowDot narrow = DotIn64(a.data(), b.data(), count);
    // Every partial sum is at most count x maxA x maxB in magnitude.
    const WideUInt bound =
        (WideUInt)narrow.maxAbsA * narrow.maxAbsB * uint64_t(count);
    if (bound < (WideUInt)1 << 63)
        return narrow.sum;
    return DotIn128(a.data(), b.data(), count);
}

long double WideToExtended(WideInt value)
{
    const bool negative = value < 0;
    const WideUInt magnitude =
        negative ? (WideUInt)0 - (WideUInt)value : (WideUInt)value;
    const uint64_t high = uint64_t(magnitude >> 64);
    const uint64_t low = uint64_t(magnitude);
    long double result;
    if (high == 0) {
        result = static_cast<long double>(low); // exact: 64-bit significand
    } else {
        // high x 2^64 is exact; adding low rounds once to the nearest.
        result = static_cast<long double>(high) * 0x1p64L + static_cast<long double>(low);
    }
    return negative ? -result : result;
}
