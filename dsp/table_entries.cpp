#include "dsp/table_entries.h"

#include "dsp/code_word.h"
#include "numbers/float_model.h"

#include <cmath>
#include <cstring>

namespace {

thread_local int64_t g_directCount = 0;

// ---- The fast evaluation and its error bound --------------------------------
//
// Reduction: q = nearest integer to x x 2/pi, r = x - q x pi/2 with pi/2 split
// into C1 + C2 + C3, where C1 and C2 have 33 significant bits, so q x C1 and
// q x C2 are exact for |q| < 2^20 (hence the limit kFastLimit below). x - q C1
// is exact (Sterbenz), the next two subtractions round once each: |error of r|
// <= 2 x 2^-54 plus |q| x |pi/2 - C1 - C2 - C3| (< 2^20 x 2^-122), about 1.1e-16.
// |r| <= pi/4 + 1e-15 < 0.786.
// Polynomials: Taylor series, sin to r^13, cos to r^14. Truncation error
// <= 0.786^15/15! < 2.1e-14 (sin) and 0.786^16/16! < 1.1e-15 (cos); Horner in
// double with |terms| < 1 adds at most a few ulps of 1, < 5e-16.
// So |fast - sin(x)| < 2.2e-14 in total. The bound used is 2^-40 (9.1e-13),
// forty times that.
//
// The processor's fsin/fcos reduce with a 66-bit value of pi, so they differ
// from the true function by about |x| x 1.3e-21 plus one extended ulp (5.4e-20);
// the bound used for that is 2^-60 x (4 + |x|), several hundred times larger.
//
// A fast entry v = fl64(s x A) then differs from the processor's product
// fl80(h x A) by less than |A| x (2^-40 + 2^-60 (4 + |x|) + 2^-53 + 2^-64),
// which the margin below exceeds. When v is farther than the margin from every
// half-integer, both round to the same integer.
constexpr double kC1 = 0x1.921fb544p+0;
constexpr double kC2 = 0x1.0b4611a6p-34;
constexpr double kC3 = 0x1.3198a2e037073p-69;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kFastLimit = 1.0e6; // |q| < 2^20 = 1048576 needs |x| < 1.64e6
constexpr double kMarginBase = 0x1p-39;  // > 2^-40 + 4 x 2^-60 + 2^-53 + 2^-64
constexpr double kMarginSlope = 0x1p-60; // the hardware's reduction error per radian
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

constexpr int kLanes = 4;
typedef double VDouble __attribute__((vector_size(8 * kLanes)));
typedef int64_t VInt __attribute__((vector_size(8 * kLanes)));

typedef int32_t VWord __attribute__((vector_size(4 * kLanes)));
typedef int32_t VHalfWords __attribute__((vector_size(8 * kLanes))); // a VDouble's 32-bit halves

// The low 32 bits of the whole number v + kRoundMagic holds, lane by lane:
// the significand's low bits are 2^51 + v, so its low word is v modulo 2^32.
__attribute__((always_inline)) inline VWord LowWords(VDouble shifted)
{
    VHalfWords halves;
    std::memcpy(&halves, &shifted, sizeof halves);
    return __builtin_shufflevector(halves, halves, 0, 2, 4, 6);
}

// True when any lane of the mask is set.
__attribute__((always_inline)) inline bool AnyLane(VInt mask)
{
    const VInt half = mask | __builtin_shufflevector(mask, mask, 2, 3, 0, 1);
    const VInt all = half | __builtin_shufflevector(half, half, 1, 0, 3, 2);
    return all[0] != 0;
}

// Writes the entries of whole groups of lanes and lists, in `direct`, the
// indexes whose fast value lies too near a boundary (or whose angle is beyond
// the reduction's range); returns how many it listed. Those entries are left
// for the direct evaluation.
__attribute__((target_clones("avx2", "default"))) int FastLanes(const double* angles, int count,
                                                                double adc, int32_t* sinOut,
                                                                int32_t* cosOut, int* direct)
{
    const double absAdc = std::fabs(adc);
    int listed = 0;
    for (int i = 0; i + kLanes <= count; i += kLanes) {
        VDouble x;
        std::memcpy(&x, angles + i, sizeof x);
        const VDouble shifted = x * kTwoOverPi + kRoundMagic;
        const VDouble q = shifted - kRoundMagic;
        VInt shiftedBits; // the low significand bits hold q modulo 4
        std::memcpy(&shiftedBits, &shifted, sizeof shiftedBits);
        const VInt quadrant = shiftedBits & 3;
        const VDouble r = ((x - q * kC1) - q * kC2) - q * kC3;
        const VDouble r2 = r * r;
        const VDouble s =
            r + r * r2 * (kS3 + r2 * (kS5 + r2 * (kS7 + r2 * (kS9 + r2 * (kS11 + r2 * kS13)))));
        const VDouble c =
            1.0 + r2 * (kC2t +
                        r2 * (kC4 + r2 * (kC6 + r2 * (kC8 + r2 * (kC10 + r2 * (kC12 + r2 * kC14))))));
        const VInt odd = (quadrant & 1) != 0;
        const VInt sinNegative = (quadrant & 2) != 0;
        const VInt cosNegative = ((quadrant + 1) & 2) != 0;
        VDouble sinX = odd ? c : s;
        VDouble cosX = odd ? s : c;
        sinX = sinNegative ? -sinX : sinX;
        cosX = cosNegative ? -cosX : cosX;

        const VDouble absX = x < 0 ? -x : x;
        const VDouble margin = absAdc * (kMarginBase + kMarginSlope * absX);
        const VDouble vs = sinX * adc;
        const VDouble vc = cosX * adc;
        const VDouble shiftedS = vs + kRoundMagic;
        const VDouble shiftedC = vc + kRoundMagic;
        const VDouble rs = shiftedS - kRoundMagic;
        const VDouble rc = shiftedC - kRoundMagic;
        // Distance to the nearest half-integer is 0.5 - |v - nearest integer|.
        const VDouble ds = rs - vs;
        const VDouble dc = rc - vc;
        const VDouble gapS = 0.5 - (ds < 0 ? -ds : ds);
        const VDouble gapC = 0.5 - (dc < 0 ? -dc : dc);
        const VInt near = (gapS <= margin) | (gapC <= margin) | (absX > kFastLimit);
        const VWord sinWords = LowWords(shiftedS);
        const VWord cosWords = LowWords(shiftedC);
        std::memcpy(sinOut + i, &sinWords, sizeof sinWords);
        std::memcpy(cosOut + i, &cosWords, sizeof cosWords);
        if (AnyLane(near)) {
            for (int lane = 0; lane < kLanes; ++lane)
                if (near[lane])
                    direct[listed++] = i + lane;
        }
    }
    return listed;
}

} // namespace

void DirectTableEntries(double angle, int32_t adcScale, int32_t& sinEntry, int32_t& cosEntry)
{
    const long double a = adcScale;
    sinEntry = LowWord(Round(Sin(angle) * a));
    cosEntry = LowWord(Round(Cos(angle) * a));
}

void TableEntries(const double* angles, int count, int32_t adcScale, int32_t* sinEntries,
                  int32_t* cosEntries)
{
    constexpr int kBatch = 256;
    int direct[kBatch];
    for (int base = 0; base < count; base += kBatch) {
        const int n = count - base < kBatch ? count - base : kBatch;
        const double* batch = angles + base;
        int32_t* sinBatch = sinEntries + base;
        int32_t* cosBatch = cosEntries + base;
        const int whole = n / kLanes * kLanes;
        int listed = FastLanes(batch, whole, double(adcScale), sinBatch, cosBatch, direct);
        if (whole < n) {
            // The last entries, padded with angle 0 to one group of lanes.
            double tail[kLanes] = {};
            int32_t sinTail[kLanes];
            int32_t cosTail[kLanes];
            int tailDirect[kLanes];
            std::memcpy(tail, batch + whole, sizeof(double) * size_t(n - whole));
            const int tailListed =
                FastLanes(tail, kLanes, double(adcScale), sinTail, cosTail, tailDirect);
            std::memcpy(sinBatch + whole, sinTail, sizeof(int32_t) * size_t(n - whole));
            std::memcpy(cosBatch + whole, cosTail, sizeof(int32_t) * size_t(n - whole));
            for (int d = 0; d < tailListed; ++d)
                if (whole + tailDirect[d] < n)
                    direct[listed++] = whole + tailDirect[d];
        }
        for (int d = 0; d < listed; ++d)
            DirectTableEntries(batch[direct[d]], adcScale, sinBatch[direct[d]],
                               cosBatch[direct[d]]);
        g_directCount += listed;
    }
}

int64_t DirectEvaluationCount() { return g_directCount; }
