#pragma once
// Round to the nearest integer, ties to even, for the hot loops: the same
// result as Round of the floating-point model, without its saving and
// restoring of the floating-point environment (which costs more than the
// arithmetic around it). Only the inexact flag can be raised, and it is silent.
#include "numbers/float_model.h"

#include <cmath>
#include <cstdint>

// The x87 integer store rounds in the current mode, which is nearest-even.
inline int64_t RoundNearestEven(long double x)
{
    // Outside the 64-bit range (or NaN) the model's Round raises its error.
    if (!(std::fabs(x) < 0x1p62L))
        return Round(x);
    int64_t result;
    __asm__("fistpll %0" : "=m"(result) : "t"(x) : "st");
    return result;
}
