#pragma once
// The vector loops of the engine. Each is compiled twice through a
// DFT_LANE_CLONES function of the file that uses it, for AVX2 and for the
// baseline x86-64, and the program picks one when it starts; they live here
// so that a test can compile both and compare them on one machine.
#include "dsp/exact_dot.h"
#include "dsp/fast_sincos.h"
#include "dsp/harmonic_rows.h"
#include "dsp/harmonic_tables.h"

#include <cmath>
#include <cstdint>
#include <cstring>

// ThreadSanitizer instruments the resolver that picks a clone, and the
// resolver runs before the sanitizer's runtime has started; that build takes
// the baseline loops alone.
#ifdef __SANITIZE_THREAD__
#define DFT_LANE_CLONES
#else
#define DFT_LANE_CLONES __attribute__((target_clones("avx2", "default")))
#endif

namespace lane_kernels {

using namespace fast_sincos;

// ---- exact_dot.cpp ----

// Lanes of 32 bits when no partial sum can reach 2^31, of 64 bits when none
// can reach 2^63: vectorized, and exact because nothing wraps.
template <class Sum>
__attribute__((always_inline)) inline Sum Dot(const int32_t* a, const int32_t* b, int64_t count)
{
    Sum sum = 0;
    for (int64_t i = 0; i < count; ++i)
        sum += Sum(a[i]) * Sum(b[i]);
    return sum;
}

// ---- cross_terms.cpp ----

// Vectors of 32 bytes, and this many of them held in registers per block of offsets.
constexpr int kVectorBytes = 32;
constexpr int kVectors = 4;

// Lanes hold consecutive offsets j, so each lane sums its own products in the
// order k = 0 .. M-1. Element is double (integers below 2^53 are exact in any
// order of summation) or int32_t (every partial sum below 2^31, so nothing wraps).
template <class Element>
__attribute__((always_inline)) inline void CrossTerms(const Element* data, const Element* dy,
                                                      int64_t patternCount, int64_t begin, int64_t end,
                                                      WideInt* out)
{
    constexpr int kWidth = kVectorBytes / int(sizeof(Element));
    constexpr int kBlock = kWidth * kVectors;
    typedef Element Lanes __attribute__((vector_size(kVectorBytes)));
    int64_t j = begin;
    for (; j + kBlock <= end; j += kBlock) {
        Lanes acc[kVectors] = {};
        const Element* window = data + j;
        for (int64_t k = 0; k < patternCount; ++k) {
            const Element weight = dy[k];
            for (int v = 0; v < kVectors; ++v) {
                Lanes codes;
                std::memcpy(&codes, window + k + v * kWidth, sizeof codes);
                acc[v] += codes * weight;
            }
        }
        for (int v = 0; v < kVectors; ++v)
            for (int lane = 0; lane < kWidth; ++lane)
                out[j - begin + v * kWidth + lane] = WideInt(int64_t(acc[v][lane]));
    }
    for (; j < end; ++j) {
        Element sum = 0;
        for (int64_t k = 0; k < patternCount; ++k)
            sum += data[j + k] * dy[k];
        out[j - begin] = WideInt(int64_t(sum));
    }
}

// ---- harmonic_rows.cpp ----

// Four chains of four lanes (independent multiplications, so that one waits
// less for another's results): 16 entries per turn, turned 16 times from each
// start, a group of 256 entries per start.
constexpr int kChains = 4;
constexpr int kStride = kLanes * kChains;
constexpr int kTurns = 256 / kStride;
constexpr int kGroup = kStride * kTurns;

// Entries of a group of 256 from sample n0 on; lists in `direct` the indexes
// whose turned value lies within the margin of a rounding boundary and gives
// how many it listed.
__attribute__((always_inline)) inline int TurnedGroup(const THarmonicRow& row, int64_t n0, int32_t* sinOut,
                                                      int32_t* cosOut, int* direct)
{
    VDouble s[kChains], c[kChains];
    for (int chain = 0; chain < kChains; ++chain) {
        VDouble x;
        for (int lane = 0; lane < kLanes; ++lane)
            x[lane] = TableAngle((n0 + chain * kLanes + lane) * row.k, row.angleStep);
        SinCos(x, s[chain], c[chain]);
    }
    const double adc = row.adcScale;
    const VDouble threshold = VDouble{} + (0.5 - row.margin);
    const double turnCos = row.turnCos;
    const double turnSin = row.turnSin;
    // Per turn and chain, the lanes far from every boundary have the sign bit
    // set (BothFar); they are looked at once per group, since near ones are rare.
    VInt far[kTurns][kChains];
    VInt allFar = VInt{} - 1;
    for (int j = 0; j < kTurns; ++j) {
        for (int chain = 0; chain < kChains; ++chain) {
            const int at = j * kStride + chain * kLanes;
            VDouble sinNear, cosNear;
            RoundedWords(s[chain] * adc, threshold, sinOut + at, sinNear);
            RoundedWords(c[chain] * adc, threshold, cosOut + at, cosNear);
            BothFar(sinNear, cosNear, far[j][chain]);
            allFar &= far[j][chain];
            const VDouble turnedS = s[chain] * turnCos + c[chain] * turnSin;
            c[chain] = c[chain] * turnCos - s[chain] * turnSin;
            s[chain] = turnedS;
        }
    }
    int64_t signs = INT64_MIN;
    for (int lane = 0; lane < kLanes; ++lane)
        signs &= allFar[lane];
    int listed = 0;
    if (signs >= 0) {
        for (int j = 0; j < kTurns; ++j)
            for (int chain = 0; chain < kChains; ++chain)
                for (int lane = 0; lane < kLanes; ++lane)
                    if (far[j][chain][lane] >= 0)
                        direct[listed++] = j * kStride + chain * kLanes + lane;
    }
    return listed;
}

// ---- table_entries.cpp ----

// The fast evaluation (fast_sincos.h) is within kPolynomialError of sin and
// cos; the processor's own within kHardwareBase + kHardwareSlope x |x|.
// A fast entry v = fl64(s x A) then differs from the processor's product
// fl80(h x A) by less than |A| x (2^-40 + 2^-60 (4 + |x|) + 2^-53 + 2^-64),
// which the margin below exceeds. When v is farther than the margin from every
// half-integer, both round to the same integer.
constexpr double kMarginBase = 0x1p-39; // > 2^-40 + 4 x 2^-60 + 2^-53 + 2^-64

// Writes the entries of whole groups of lanes and lists, in `direct`, the
// indexes whose fast value lies too near a boundary (or whose angle is beyond
// the reduction's range); returns how many it listed. Those entries are left
// for the direct evaluation.
__attribute__((always_inline)) inline int FastLanes(const double* angles, int count, double adc,
                                                    int32_t* sinOut, int32_t* cosOut, int* direct)
{
    const double absAdc = std::fabs(adc);
    int listed = 0;
    for (int i = 0; i + kLanes <= count; i += kLanes) {
        VDouble x;
        std::memcpy(&x, angles + i, sizeof x);
        VDouble sinX, cosX;
        SinCos(x, sinX, cosX);
        const VDouble absX = x < 0 ? -x : x;
        const VDouble threshold = 0.5 - absAdc * (kMarginBase + kHardwareSlope * absX);
        VDouble sinNear, cosNear;
        RoundedWords(sinX * adc, threshold, sinOut + i, sinNear);
        RoundedWords(cosX * adc, threshold, cosOut + i, cosNear);
        VInt far;
        BothFar(sinNear, cosNear, far);
        const VInt near = (far >= 0) | (absX > kFastLimit);
        for (int lane = 0; lane < kLanes; ++lane)
            if (near[lane])
                direct[listed++] = i + lane;
    }
    return listed;
}

} // namespace lane_kernels
