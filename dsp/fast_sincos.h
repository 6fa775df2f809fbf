#pragma once
// Four-lane double-precision pieces of the fast table entries: the sine and
// cosine of stored angles by reduction and polynomial, and the rounding of
// A x value to whole numbers with a test of how near each lies to a rounding
// boundary. Inline, for the vector loops of table_entries.cpp and
// harmonic_rows.cpp (each compiles them once per instruction set it targets).
#include <cmath>
#include <cstdint>
#include <cstring>

namespace fast_sincos {

constexpr int kLanes = 4;
typedef double VDouble __attribute__((vector_size(8 * kLanes)));
typedef int64_t VInt __attribute__((vector_size(8 * kLanes)));
typedef int32_t VWord __attribute__((vector_size(4 * kLanes)));
typedef int32_t VHalfWords __attribute__((vector_size(8 * kLanes))); // a VDouble's 32-bit halves

// ---- The polynomial and its error bound ------------------------------------
//
// Reduction: q = nearest integer to x x 2/pi, r = x - q x pi/2 with pi/2 split
// into C1 + C2 + C3, where C1 and C2 have 33 significant bits, so q x C1 and
// q x C2 are exact for |q| < 2^20 (hence kFastLimit). x - q C1 is exact
// (Sterbenz), the next two subtractions round once each: |error of r|
// <= 2 x 2^-54 plus |q| x |pi/2 - C1 - C2 - C3| (< 2^20 x 2^-122), about 1.1e-16.
// |r| <= pi/4 + 1e-15 < 0.786.
// Polynomials: Taylor series, sin to r^13, cos to r^14. Truncation error
// <= 0.786^15/15! < 2.1e-14 (sin) and 0.786^16/16! < 1.1e-15 (cos); Horner in
// double with |terms| < 1 adds at most a few ulps of 1, < 5e-16.
// So |fast - sin(x)| < 2.2e-14 in total; kPolynomialError, 2^-40 (9.1e-13),
// is forty times that.
constexpr double kPolynomialError = 0x1p-40;
constexpr double kC1 = 0x1.921fb544p+0;
constexpr double kC2 = 0x1.0b4611a6p-34;
constexpr double kC3 = 0x1.3198a2e037073p-69;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kFastLimit = 1.0e6; // |q| < 2^20 = 1048576 needs |x| < 1.64e6

// The processor's fsin/fcos reduce with a 66-bit value of pi, so they differ
// from the true function by about |x| x 1.3e-21 plus one extended ulp (5.4e-20);
// the bound used for that is kHardwareBase + kHardwareSlope x |x|, several
// hundred times larger.
constexpr double kHardwareBase = 0x1p-58;  // 4 x 2^-60
constexpr double kHardwareSlope = 0x1p-60; // per radian

// Adding and subtracting 1.5 x 2^52 rounds a double of magnitude below 2^51 to
// the nearest integer (ties to even, the current mode); the low bits of the
// sum's significand then hold that integer.
constexpr double kRoundMagic = 0x1.8p52;

constexpr double kS3 = -1.0 / 6;
constexpr double kS5 = 1.0 / 120;
constexpr double kS7 = -1.0 / 5040;
constexpr double kS9 = 1.0 / 362880;
constexpr double kS11 = -1.0 / 39916800;
constexpr double kS13 = 1.0 / 6227020800.0;
constexpr double kC2t = -1.0 / 2;
constexpr double kC4 = 1.0 / 24;
constexpr double kC6 = -1.0 / 720;
constexpr double kC8 = 1.0 / 40320;
constexpr double kC10 = -1.0 / 3628800;
constexpr double kC12 = 1.0 / 479001600;
constexpr double kC14 = -1.0 / 87178291200.0;

// sin x and cos x lane by lane, each within kPolynomialError for |x| <= kFastLimit.
__attribute__((always_inline)) inline void SinCos(const VDouble& x, VDouble& sinX, VDouble& cosX)
{
    const VDouble shifted = x * kTwoOverPi + kRoundMagic;
    const VDouble q = shifted - kRoundMagic;
    VInt shiftedBits; // the low significand bits hold q modulo 4
    std::memcpy(&shiftedBits, &shifted, sizeof shiftedBits);
    const VInt quadrant = shiftedBits & 3;
    const VDouble r = ((x - q * kC1) - q * kC2) - q * kC3;
    const VDouble r2 = r * r;
    const VDouble s = r + r * r2 * (kS3 + r2 * (kS5 + r2 * (kS7 + r2 * (kS9 + r2 * (kS11 + r2 * kS13)))));
    const VDouble c =
        1.0 + r2 * (kC2t + r2 * (kC4 + r2 * (kC6 + r2 * (kC8 + r2 * (kC10 + r2 * (kC12 + r2 * kC14))))));
    const VInt odd = (quadrant & 1) != 0;
    const VInt sinNegative = (quadrant & 2) != 0;
    const VInt cosNegative = ((quadrant + 1) & 2) != 0;
    sinX = odd ? c : s;
    cosX = odd ? s : c;
    sinX = sinNegative ? -sinX : sinX;
    cosX = cosNegative ? -cosX : cosX;
}

// Writes the low words of Round(v) for the four values v (|v| < 2^51) and
// gives in nearness, lane by lane, |v - Round(v)| - threshold: 0 or more (sign
// bit clear) where v lies within 0.5 - threshold of a half-integer, so that a
// value that near v might round differently. A threshold of 0.5 - margin
// rounds by at most 2^-54; every margin has more than that to spare. v - Round(v) is exact (the two
// are within a factor of two, or Round(v) is 0), and the sign of a difference
// is exact, so the test loses nothing to rounding. (Vectors pass by reference:
// the default target has no vector registers to return them in.)
__attribute__((always_inline)) inline void RoundedWords(const VDouble& v, const VDouble& threshold,
                                                        int32_t* out, VDouble& nearness)
{
    const VDouble shifted = v + kRoundMagic;
    const VDouble off = (shifted - kRoundMagic) - v;
    VInt offBits;
    std::memcpy(&offBits, &off, sizeof offBits);
    offBits &= INT64_MAX; // |off|: the sign bit cleared
    VDouble absOff;
    std::memcpy(&absOff, &offBits, sizeof absOff);
    nearness = absOff - threshold;
    // The significand's low bits of v + kRoundMagic are 2^51 + Round(v), so
    // its low 32-bit half is Round(v) modulo 2^32.
    VHalfWords halves;
    std::memcpy(&halves, &shifted, sizeof halves);
    const VWord words = __builtin_shufflevector(halves, halves, 0, 2, 4, 6);
    std::memcpy(out, &words, sizeof words);
}

// The lanes where either nearness is 0 or more have the sign bit of far
// clear: two comparisons done as one AND of sign bits.
__attribute__((always_inline)) inline void BothFar(const VDouble& a, const VDouble& b, VInt& far)
{
    VInt bitsA, bitsB;
    std::memcpy(&bitsA, &a, sizeof bitsA);
    std::memcpy(&bitsB, &b, sizeof bitsB);
    far = bitsA & bitsB;
}

} // namespace fast_sincos
