#pragma once
// Turning 64-bit samples into 32-bit integer codes with an integer ADC scale,
// and the rounded mean of codes.
#include "dsp/partial.h"
#include "runtime/progress.h"

#include <cstdint>
#include <span>

// code = Round(scale x value - offset), formed in extended precision. Raises
// EInvalidOp for a value that gives no integer (NaN, infinity or beyond the
// 64-bit range) and EOverflow "Floating point overflow" for an integer beyond
// the 32-bit range: no code ever wraps.
int32_t QuantizeSample(double value, int32_t scale, double offset);

// Converts values in order into codes (at least as long) and gives how many
// it converted: fewer than all only at a value without a code, or at a stop
// asked through progress, whose fault comes with the count; the codes before
// it are written.
TPartial<int64_t> QuantizeSamples(std::span<const double> values, int32_t scale, double offset,
                                  std::span<int32_t> codes, const TProgress& progress = NoProgress());

// Round(sum / count) with the sum exact and the division in extended
// precision; codes must not be empty. Always within the 32-bit range.
int32_t RoundedMean(std::span<const int32_t> codes);

// Round(sum / count) of the extended division, for a sum of count 32-bit codes
// (so |sum / count| < 2^31, count >= 1), computed in integers.
int64_t RoundedQuotient(int64_t sum, int64_t count);
