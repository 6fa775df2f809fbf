#pragma once
// The floating-point model: extended precision is long double (x87, 64-bit
// significand); values become double only where they are stored in 64 bits.
// Invalid operation, division by zero and overflow are faults, detected from
// the <cfenv> flags (traps stay off) and raised as EInvalidOp, EZeroDivide and
// EOverflow. Underflow, denormals and inexact results are silent.
#include <cstdint>

// Establishes the model's mode: extended precision, round to nearest, all
// faults masked (no traps), every flag cleared. At start-up and after a fault.
void ResetFpMode();

// Clears the three fault flags; call before a computation whose faults are checked.
void ClearFpFaults();
// Raises the error for the first pending fault (invalid, then zero-divide, then
// overflow) and clears the flags; does nothing when none is pending.
void CheckFpFaults();

// The rare end of StoreDouble: a store that gave an infinity, from an infinite
// value (returned as stored) or from a finite one beyond the double range (EOverflow).
double StoreDoubleInfinite(long double x, double stored);

// Stores an extended value into 64 bits: rounds to nearest even and raises
// EOverflow when a finite value lies beyond the double range. Inline: the
// samples of a pane parse go through it twice each.
inline double StoreDouble(long double x)
{
    // The conversion is the x87 store to 64 bits, rounding in the current mode.
    const double stored = static_cast<double>(x);
    if (__builtin_isinf(stored)) [[unlikely]]
        return StoreDoubleInfinite(x, stored);
    return stored;
}

// Nearest integer, ties to even; EInvalidOp for NaN, infinity or out of range.
int64_t Round(long double x);
// Toward zero; EInvalidOp for NaN, infinity or out of range.
int64_t Trunc(long double x);

// The processor's sine and cosine of an extended argument (x87 fsin / fcos);
// 0 when |x| >= 2^63, which those instructions cannot reduce.
long double Sin(long double x);
long double Cos(long double x);

// 2 pi rounded to a 64-bit significand (C90FDAA22168C235 x 2^-61).
inline constexpr long double kTwoPi = 6.28318530717958647692528676655900577L;

// Division with the model's faults: 0/0 gives EInvalidOp, x/0 EZeroDivide.
long double Divide(long double a, long double b);
// Square root: EInvalidOp for a negative argument.
long double SquareRoot(long double x);
