#pragma once
// The decimal form of an extended value that every float-to-text conversion
// starts from, and the scaling by powers of ten that reading and writing share.
//
// Contract of DecimalDigits(x, precision, decimals):
//  - x is scaled to an 18-digit integer y := PowerOfTen(|x|, 18 - D), D being
//    the decimal exponent estimated from the binary one; y is rounded to an
//    integer (nearest, ties to even). These 18 digits are the only digits a
//    value ever shows.
//  - The digit string is then rounded half away from zero at digit
//    min(D + decimals, precision, 18) and trailing zeros are dropped.
//  - Where the estimate of D is one too high (some binary exponents of -681
//    and below) y would fall under 10^17; D is lowered by one and y scaled
//    again, so the first digit is never "0".
//  - Zero (including negative zero and extended subnormals, whose biased
//    exponent field is 0) has no digits, Exponent 0 and Negative false. A
//    value that rounds to nothing has no digits, Negative false and Exponent
//    0 when D + decimals < 0, else D.
#include <cstdint>

// Powers of ten rounded to the nearest extended value (exact up to 1e27):
// kPowerTable0[i] = 1e(i), kPowerTable1[j] = 1e(32 j), kPowerTable2[j] =
// 1e(512 j); entry 0 of the last two is unused (1).
extern const long double kPowerTable0[32];
extern const long double kPowerTable1[16];
extern const long double kPowerTable2[10];

// x * 10^n with one rounded multiplication (or division for n < 0) per table:
// T0[m mod 32], then T1[(m div 32) mod 16], then T2[m div 512], m = |n|.
// |n| >= 5120 gives infinity (n > 0) or 0 (n < 0); zero stays zero.
// Inline: an extended argument passed through memory costs a stalled load.
inline long double PowerOfTen(long double x, int n)
{
    constexpr int kPowerLimit = 5120; // 10^5120 lies beyond the extended range
    if (n == 0 || x == 0.0L)
        return x;
    if (n >= kPowerLimit)
        return __builtin_infl();
    if (n <= -kPowerLimit)
        return 0.0L;
    const int m = n < 0 ? -n : n;
    const int i0 = m % 32, i1 = (m / 32) % 16, i2 = m / 512;
    if (n > 0) {
        x *= kPowerTable0[i0];
        if (i1 != 0)
            x *= kPowerTable1[i1];
        if (i2 != 0)
            x *= kPowerTable2[i2];
    } else {
        x /= kPowerTable0[i0];
        if (i1 != 0)
            x /= kPowerTable1[i1];
        if (i2 != 0)
            x /= kPowerTable2[i2];
    }
    return x;
}

struct DecimalDigits {
    static constexpr int kMaxDigits = 18;
    static constexpr int16_t kInfinityExponent = 32767;
    static constexpr int16_t kNaNExponent = -32768;

    // The value is 0.d1d2...dn x 10^Exponent.
    int16_t Exponent = 0;
    bool Negative = false;
    // Digits[0 .. Count-1]: ASCII, first non-zero, no trailing zeros.
    uint8_t Count = 0;
    char Digits[kMaxDigits] = {};

    DecimalDigits() = default;
    // precision is clamped to 0..18; decimals may be as large as 9999
    // ("no decimal limit").
    DecimalDigits(long double x, int precision, int decimals);

    bool IsInfinity() const { return Exponent == kInfinityExponent; }
    bool IsNaN() const { return Exponent == kNaNExponent; }
    bool IsSpecial() const { return IsInfinity() || IsNaN(); }
};
