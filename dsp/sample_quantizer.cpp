#include "dsp/sample_quantizer.h"

#include "dsp/code_word.h"
#include "numbers/fast_round.h"
#include "numbers/float_model.h"
#include "runtime/exceptions.h"

int32_t QuantizeSample(double value, int32_t scale, double offset)
{
    const long double x = static_cast<long double>(scale) * value - offset;
    const int64_t code = RoundNearestEven(x);
    // A wrapped code would be a different sample: refused like any value too
    // large for its store.
    if (code < INT32_MIN || code > INT32_MAX)
        throw EOverflow("Floating point overflow");
    return int32_t(code);
}

TPartial<int64_t> QuantizeSamples(std::span<const double> values, int32_t scale, double offset,
                                  std::span<int32_t> codes, const TProgress& progress)
{
    // A stop is asked for between runs of this many samples.
    constexpr int64_t kBetweenStops = 1 << 16;
    const int64_t count = int64_t(values.size());
    for (int64_t i = 0; i < count; ++i) {
        try {
            if (i % kBetweenStops == kBetweenStops - 1)
                StopIfAsked(progress);
            codes[size_t(i)] = QuantizeSample(values[size_t(i)], scale, offset);
        } catch (const Exception&) {
            return {i, std::current_exception()};
        }
    }
    return {count, nullptr};
}

int64_t RoundedQuotient(int64_t sum, int64_t count)
{
    // The extended quotient of a value below 2^31 keeps at least 33 fractional
    // bits, so it is off by at most 2^-33; a fraction rem/count that is not
    // exactly one half is at least 1/(2 count) >= 2^-32 away from it. So the
    // extended quotient rounds like the exact one: to the nearest, a tie to even.
    int64_t quotient = sum / count;  // toward zero
    int64_t remainder = sum % count; // with the sign of sum
    if (remainder < 0) {
        quotient -= 1;
        remainder += count;
    }
    const int64_t twice = 2 * remainder; // 0 <= remainder < count
    if (twice > count || (twice == count && (quotient & 1) != 0))
        quotient += 1;
    return quotient;
}

int32_t RoundedMean(std::span<const int32_t> codes)
{
    int64_t sum = 0; // |sum| < 2^31 x 2^32 for any count that memory can hold
    for (const int32_t code : codes)
        sum += code;
    return LowWord(RoundedQuotient(sum, int64_t(codes.size())));
}
