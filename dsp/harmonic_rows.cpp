#include "dsp/harmonic_rows.h"

#include "dsp/fast_sincos.h"
#include "dsp/harmonic_tables.h"
#include "dsp/lane_kernels.h"
#include "dsp/table_entries.h"
#include "numbers/float_model.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace fast_sincos;
using lane_kernels::kGroup;
using lane_kernels::kStride;
using lane_kernels::kTurns;

// Entries of a group of 256 from sample n0 on (lane_kernels.h).
DFT_LANE_CLONES int TurnedGroup(const THarmonicRow& row, int64_t n0, int32_t* sinOut, int32_t* cosOut,
                                int* direct)
{
    return lane_kernels::TurnedGroup(row, n0, sinOut, cosOut, direct);
}

// Entries through TableEntries, from their stored angles.
void AngleEntries(const THarmonicRow& row, int64_t first, int64_t count, int32_t* sinOut, int32_t* cosOut)
{
    constexpr int kBatch = 256;
    double angles[kBatch];
    for (int64_t done = 0; done < count; done += kBatch) {
        const int n = int(std::min<int64_t>(kBatch, count - done));
        for (int i = 0; i < n; ++i)
            angles[i] = TableAngle((first + done + i) * row.k, row.angleStep);
        TableEntries(angles, n, row.adcScale, sinOut + done, cosOut + done);
    }
}

} // namespace

// The margin, for the entry of sample n = s + 16 j turned j times (j < 16) from
// the start s of its group, with theta the exact n k AngleStep and T the
// largest, (N - 1) k AngleStep:
// - a stored angle is theta rounded to 64 and then 53 bits: within
//   (2^-64 + 2^-53) T < 2^-52.9 T of theta; the start's and the entry's
//   together, 2^-51.9 T, bounded by 2^-51 T.
// - the start values are within kPolynomialError of sin and cos of the start's
//   stored angle, so |Z0 - e^(ix)| < sqrt 2 x kPolynomialError.
// - the turn: a = 16 k AngleStep in extended precision (within 2^-64 a), Sin and
//   Cos within kHardwareBase + kHardwareSlope a, rounded to 64 bits (2^-54):
//   per part e = 2^-54 + 2^-58 + 2^-60 a + 2^-64 a, |W - w| <= sqrt 2 e = ew.
// - a turn Z W rounds each part once per product and once for the sum:
//   < 2 sqrt 2 x 2^-53 |Z| |W| < 3 x 2^-53. So E(j+1) <= E(j)(1 + ew) + ew + 3 x 2^-53
//   and E(j) <= (E0 + J (ew + 3 x 2^-53)) (1 + ew)^J for j <= J = 15.
// - the processor's Sin and Cos of the entry's angle: kHardwareBase +
//   kHardwareSlope T; the two products with A round by 2^-53 and 2^-64 of |A|.
// The turned value v and the processor's product then differ by less than
// |A| (E + 2^-51 T + kHardwareBase + kHardwareSlope T + 2^-52), and the
// threshold 0.5 - margin itself rounds by at most 2^-54, covered by 2^-52 more.
// For the k = 31 row of ten million samples this is about 1.4e-12 x |A|.
THarmonicRow PlanRow(int32_t k, int32_t sampleCount, double angleStep, int32_t adcScale)
{
    THarmonicRow row;
    row.k = k;
    row.adcScale = adcScale;
    row.angleStep = angleStep;
    const long double largest = static_cast<long double>(int64_t(sampleCount > 0 ? sampleCount - 1 : 0) * k) *
        angleStep * (1 + 0x1p-50L);
    const long double turn = static_cast<long double>(int64_t(kStride) * k) * angleStep;
    row.turnCos = double(Cos(turn));
    row.turnSin = double(Sin(turn));
    const long double perPart = 0x1p-54L + 0x1p-58L + turn * (0x1p-60L + 0x1p-64L) * (1 + 0x1p-50L);
    const long double ew = 1.4143L * perPart;
    // (1 + ew)^J <= e^(J ew) <= 1 + 2 J ew while J ew <= 1, J = kTurns - 1.
    const long double turned =
        (1.4143L * kPolynomialError + (kTurns - 1) * (ew + 3 * 0x1p-53L)) * (1 + 2 * (kTurns - 1) * ew);
    const long double bound =
        turned + 0x1p-51L * largest + kHardwareBase + kHardwareSlope * largest + 0x1p-52L;
    row.margin = double((std::fabs(static_cast<long double>(adcScale)) * bound + 0x1p-52L) * (1 + 0x1p-20L));
    row.turns = largest <= kFastLimit && (kTurns - 1) * ew <= 1;
    return row;
}

void RowEntries(const THarmonicRow& row, int64_t first, int64_t count, int32_t* sinOut, int32_t* cosOut)
{
    int64_t done = 0;
    if (row.turns) {
        int direct[kGroup];
        for (; done + kGroup <= count; done += kGroup) {
            int32_t* sinGroup = sinOut + done;
            int32_t* cosGroup = cosOut + done;
            const int listed = TurnedGroup(row, first + done, sinGroup, cosGroup, direct);
            for (int d = 0; d < listed; ++d)
                DirectTableEntries(TableAngle((first + done + direct[d]) * row.k, row.angleStep),
                                   row.adcScale, sinGroup[direct[d]], cosGroup[direct[d]]);
        }
    }
    AngleEntries(row, first + done, count - done, sinOut + done, cosOut + done);
}
