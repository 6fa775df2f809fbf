#include "dsp/exact_dot.h"

#include "dsp/lane_kernels.h"

namespace {

DFT_LANE_CLONES int32_t DotIn32(const int32_t* a, const int32_t* b, int64_t count)
{
    return lane_kernels::Dot<int32_t>(a, b, count);
}

DFT_LANE_CLONES int64_t DotIn64(const int32_t* a, const int32_t* b, int64_t count)
{
    return lane_kernels::Dot<int64_t>(a, b, count);
}

WideInt DotIn128(const int32_t* a, const int32_t* b, int64_t count)
{
    WideInt sum = 0;
    for (int64_t i = 0; i < count; ++i)
        sum += int64_t(a[i]) * int64_t(b[i]); // each product < 2^62 in magnitude
    return sum;
}

} // namespace

WideInt ExactDot(std::span<const int32_t> a, std::span<const int32_t> b, uint64_t maxAbsA, uint64_t maxAbsB)
{
    const int64_t count = int64_t(a.size());
    // maxAbsA, maxAbsB <= 2^31 and count < 2^63: the bound fits 128 bits.
    const WideUInt bound = WideUInt(maxAbsA) * maxAbsB * uint64_t(count);
    if (bound < (WideUInt(1) << 31))
        return DotIn32(a.data(), b.data(), count);
    if (bound < (WideUInt(1) << 63))
        return DotIn64(a.data(), b.data(), count);
    return DotIn128(a.data(), b.data(), count);
}

long double WideToExtended(WideInt value)
{
    const bool negative = value < 0;
    const WideUInt magnitude = negative ? (WideUInt)0 - (WideUInt)value : (WideUInt)value;
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
