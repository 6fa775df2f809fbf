#pragma once
// Turning 64-bit samples into 32-bit integer codes with an integer ADC scale,
// and the rounded mean of codes.
#include <cstdint>

// code = Round(scale x value - offset), formed in extended precision, the low
// 32 bits of the 64-bit rounded value kept. Converts values[0..count) in order
// into codes and returns how many it converted: fewer than count only when a
// value gives no integer (NaN, infinity or beyond the 64-bit range), which is
// then the caller's invalid-operation fault; codes before it are written.
int64_t QuantizeSamples(const double* values, int64_t count, int32_t scale, double offset,
                        int32_t* codes);

// The one code of a sample; raises EInvalidOp where QuantizeSamples stops.
int32_t QuantizeSample(double value, int32_t scale, double offset);

// Round(sum / count) with the sum exact and the division in extended
// precision; count must be at least 1. Always within the 32-bit range.
int32_t RoundedMean(const int32_t* codes, int64_t count);

// Round(sum / count) of the extended division, for a sum of count 32-bit codes
// (so |sum / count| < 2^31, count >= 1), computed in integers.
int64_t RoundedQuotient(int64_t sum, int64_t count);
