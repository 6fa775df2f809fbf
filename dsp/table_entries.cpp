#include "dsp/table_entries.h"

#include "dsp/code_word.h"
#include "dsp/fast_sincos.h"
#include "dsp/lane_kernels.h"
#include "numbers/float_model.h"

#include <cmath>
#include <cstring>

namespace {

using namespace fast_sincos;

thread_local int64_t g_directCount = 0;

// The fast lanes, listing the entries left for the direct evaluation (lane_kernels.h).
DFT_LANE_CLONES int FastLanes(const double* angles, int count, double adc, int32_t* sinOut, int32_t* cosOut,
                              int* direct)
{
    return lane_kernels::FastLanes(angles, count, adc, sinOut, cosOut, direct);
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
