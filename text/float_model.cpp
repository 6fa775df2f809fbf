#include "text/float_model.h"

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

double StoreDouble(long double x)
{
    const volatile double d = static_cast<double>(x);
    if (std::isinf(d) && !std::isinf(x)) {
        ClearFpFaults();
        throw EOverflow("Floating point overflow");
    }
    return d;
}

int64_t Round(long double x)
{
    // Both ends are exact powers of two in extended precision.
    if (!(x >= -kTwo63 && x < kTwo63)) {
        // Values just below -2^63 that still round to it are in range.
        if (!std::isnan(x) && x > -kTwo63 - 0.5L)
            return INT64_MIN;
        RaiseInvalid();
    }
    return static_cast<int64_t>(std::nearbyintl(x));
}

int64_t Trunc(long double x)
{
    if (!(x > -kTwo63 - 1.0L && x < kTwo63))
        RaiseInvalid();
    return static_cast<int64_t>(x);
}

long double Sin(long double x)
{
    if (!(std::fabs(x) < kTwo63))
        return std::isnan(x) ? x : 0.0L;
    long double r;
    __asm__("fsin" : "=t"(r) : "0"(x));
    return r;
}

long double Cos(long double x)
{
    if (!(std::fabs(x) < kTwo63))
        return std::isnan(x) ? x : 0.0L;
    long double r;
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
    return a / b;
}

long double SquareRoot(long double x)
{
    if (x < 0.0L)
        RaiseInvalid();
    return std::sqrt(x);
}
