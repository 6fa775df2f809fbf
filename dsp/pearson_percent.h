#pragma once
// The percentage of one offset of the sliding correlation: 0 when Sxx or Syy
// is 0, otherwise Round(Sxy / (sqrt(Syy) x sqrt(Sxx)) x 100) evaluated in
// extended precision (each square root, the product, the quotient and the
// product with 100 rounded to a 64-bit significand), ties to even.
#include "dsp/exact_dot.h"

#include <cstdint>

class TPearsonPercent {
public:
    explicit TPearsonPercent(WideInt syy);

    // From sums that fit 64 bits: the quotient is first formed in double
    // precision, within 1e-15 of the exact one relative to it, so within 1e-13
    // of it absolutely (|percent| <= 100 by Cauchy-Schwarz); the extended one
    // is nearer still. Only when the double quotient lies within 2^-40 of a
    // half-integer can the two round differently, and then the extended
    // evaluation decides.
    int32_t operator()(int64_t sxy, int64_t sxx) const;
    // The extended evaluation itself, for any sums.
    int32_t Exact(WideInt sxy, WideInt sxx) const;

    // Running total, on this thread, of the quotients the 64-bit call left to
    // the extended evaluation (for tests of the near-tie handling).
    static int64_t ExactCount();

private:
    long double rootY_; // sqrt(Syy) in extended precision; 0 when Syy is 0
    double rootYDouble_;
};
