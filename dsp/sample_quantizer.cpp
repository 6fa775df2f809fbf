#include "dsp/sample_quantizer.h"

#include "dsp/code_word.h"
#include "numbers/fast_round.h"
#include "runtime/exceptions.h"
#include "numbers/float_model.h"

int32_t QuantizeSample(double value, int32_t scale, double offset)
{
    const long double x = static_cast<long double>(scale) * value - offset;
    return LowWord(RoundNearestEven(x));
}

int64_t QuantizeSamples(const double* values, int64_t count, int32_t scale, double offset,
                        int32_t* codes)
{
    for (int64_t i = 0; i < count; ++i) {
        try {
            codes[i] = QuantizeSample(values[i], scale, offset);
        } catch (const EInvalidOp&) {
            return i;
        }
    }
    return count;
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

int32_t RoundedMean(const int32_t* codes, int64_t count)
{
    int64_t sum = 0; // |sum| < 2^31 x 2^32 for any count that memory can hold
    for (int64_t i = 0; i < count; ++i)
        sum += codes[i];
    return LowWord(RoundedQuotient(sum, count));
}
