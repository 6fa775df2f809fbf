#pragma once
// The x87 extended layout the number conversions read directly: a 64-bit
// significand with an explicit leading bit, then the sign and 15-bit exponent.
#include <cfloat>
#include <cstdint>
#include <cstring>

static_assert(LDBL_MANT_DIG == 64 && sizeof(long double) >= 10,
              "long double must be the x87 80-bit extended format");

struct ExtendedBits {
    uint64_t significand;
    uint16_t signAndExponent;
};

inline ExtendedBits BitsOf(long double x)
{
    ExtendedBits b;
    std::memcpy(&b.significand, &x, 8);
    std::memcpy(&b.signAndExponent, reinterpret_cast<const char*>(&x) + 8, 2);
    return b;
}
