#include "dsp/table_entries.h"

#include "dsp/code_word.h"
#include "dsp/fast_sincos.h"
#include "numbers/float_model.h"

#include <cmath>
#include <cstring>

namespace {

using namespace fast_sincos;

thread_local int64_t g_directCount = 0;

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
__attribute__((target_clones("avx2", "default"))) int FastLanes(const double* angles, int count, double adc,
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

} // namespace

void DirectTableEntries(double angle, int32_t adcScale, int32_t& sinEntry, int32_t& cosEntry)
{
    ++g_directCount;
    const long double a = adcScale;
    sinEntry = LowWord(Round(Sin(angle) * a));
    cosEntry = LowWord(Round(Cos(angle) * a));
}

void TableEntries(const double* angles, int count, int32_t adcScale, int32_t* sinEntries, int32_t* cosEntries)
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
            const int tailListed = FastLanes(tail, kLanes, double(adcScale), sinTail, cosTail, tailDirect);
            std::memcpy(sinBatch + whole, sinTail, sizeof(int32_t) * size_t(n - whole));
            std::memcpy(cosBatch + whole, cosTail, sizeof(int32_t) * size_t(n - whole));
            for (int d = 0; d < tailListed; ++d)
                if (whole + tailDirect[d] < n)
                    direct[listed++] = whole + tailDirect[d];
        }
        for (int d = 0; d < listed; ++d)
            DirectTableEntries(batch[direct[d]], adcScale, sinBatch[direct[d]], cosBatch[direct[d]]);
    }
}

int64_t DirectEvaluationCount() { return g_directCount; }
