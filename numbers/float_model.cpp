#include "numbers/float_model.h"

#include "runtime/exceptions.h"

#include <cfenv>
#include <cfloat>
#include <cmath>

namespace {

[[noreturn]] void RaiseInvalid() { throw EInvalidOp("Invalid floating point operation"); }

constexpr long double kTwo63 = 9223372036854775808.0L;

} // namespace

void ClearFpFaults() { std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW); }

void CheckFpFaults()
{
    const int flags = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (!flags)
        return;
    ClearFpFaults();
    if (flags & FE_INVALID)
        RaiseInvalid();
    if (flags & FE_DIVBYZERO)
        throw EZeroDivide("Floating point division by zero");
    throw EOverflow("Floating point overflow");
}

double StoreDoubleInfinite(long double x, double stored)
{
    if (!std::isinf(x)) {
        ClearFpFaults();
        throw EOverflow("Floating point overflow");
    }
    return stored;
}

int64_t Round(long double x)
{
    // Round first: 2^63 - 0.5 is an extended value that rounds up to 2^63,
    // out of range, while -2^63 - 0.5 is not representable (ulp 1 there).
    const long double r = std::nearbyintl(x);
    if (!(r >= -kTwo63 && r < kTwo63))
        RaiseInvalid();
    return static_cast<int64_t>(r);
}

int64_t Trunc(long double x)
{
    const long double t = std::truncl(x);
    if (!(t >= -kTwo63 && t < kTwo63))
        RaiseInvalid();
    return static_cast<int64_t>(t);
}

void ResetFpMode()
{
    // x87 control word 0x037F: 64-bit precision, round to nearest, every
    // fault masked (faults are read from the flags, never trapped).
    const unsigned short controlWord = 0x037F;
    __asm__ volatile("fldcw %0" : : "m"(controlWord));
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}

namespace {

// fsin and fcos leave an argument of 2^63 or more unreduced (C2 set, the
// argument itself on the stack): such an angle gives 0, a NaN stays NaN.
bool OutsideTrigRange(long double x, long double& result)
{
    if (std::fabs(x) < kTwo63)
        return false;
    result = std::isnan(x) ? x : 0.0L;
    return true;
}

} // namespace

long double Sin(long double x)
{
    long double r;
    if (!OutsideTrigRange(x, r))
        __asm__("fsin" : "=t"(r) : "0"(x));
    return r;
}

long double Cos(long double x)
{
    long double r;
    if (!OutsideTrigRange(x, r))
        __asm__("fcos" : "=t"(r) : "0"(x));
    return r;
}

long double Divide(long double a, long double b)
{
    if (b == 0.0L) {
        if (a == 0.0L || std::isnan(a))
            RaiseInvalid();
        throw EZeroDivide("Floating point division by zero");
    }
    const long double q = a / b;
    // inf / inf is invalid; a finite quotient too large for extended overflows.
    if (std::isnan(q) && !std::isnan(a) && !std::isnan(b))
        RaiseInvalid();
    if (std::isinf(q) && std::isfinite(a)) {
        ClearFpFaults();
        throw EOverflow("Floating point overflow");
    }
    return q;
}

long double SquareRoot(long double x)
{
    if (x < 0.0L)
        RaiseInvalid();
    return std::sqrt(x);
}
