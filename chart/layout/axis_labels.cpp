#include "chart/layout/axis_labels.h"

#include "numbers/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

double NextLabelStep(double step)
{
    if (!(step > 0) || !std::isfinite(step))
        return 1;
    // Decade and mantissa with a small tolerance, so that a step that is a
    // power of ten times 1, 2 or 5 up to rounding still moves on (0.1 * 10 is
    // not exactly 1 in binary).
    const long double scale = std::pow(10.0L, std::floor(std::log10((long double)step) + 1e-9L));
    const long double m = step / scale;
    const long double next = m < 2 - 1e-9L ? 2 : m < 5 - 1e-9L ? 5 : 10;
    return double(next * scale);
}

int MaxLabelCount(int spanSize, int labelSize, int separation)
{
    if (labelSize == 0)
        return 1;
    if (separation <= 0)
        return int(std::lrint((long double)spanSize / labelSize));
    const long gap = std::lrint(separation * 0.01L * labelSize);
    return int(std::lrint((long double)spanSize / (labelSize + gap)));
}

double LabelStep(double range, int spanSize, int labelSize, int separation, double increment)
{
    const int maxCount = MaxLabelCount(spanSize, labelSize, separation);
    if (maxCount < 1)
        return 1e-12;
    // An increment below the smallest step starts the search at that step,
    // which the series would reach anyway: subnormal increments round back
    // onto themselves in the series, so the search stalled and ended on the
    // smallest step however few labels fit.
    long double step = increment > 0 ? std::max<long double>(increment, 1e-12L)
        : std::fabs(range) >= 1      ? 1
                                     : 1e-12L;
    if (separation > 0) {
        long long n = (long long)maxCount + 1;
        // Each round multiplies the step by at least 2: 64-bit doubles need
        // well under 2200 rounds from 1e-12 to the largest range.
        for (int round = 0; round < 4000; ++round) {
            const long double q = range / step;
            if (std::fabs(q) < 2147483647.0L)
                n = std::llrint(q);
            if (n <= maxCount)
                break;
            step = NextLabelStep(double(step));
        }
    }
    return step < 1e-12L ? 1e-12 : double(step);
}

std::vector<TAxisLabel> ValueLabels(const TAxisScale& scale, double step, const std::string& format,
                                    bool roundFirstLabel, bool labelsOnAxis)
{
    std::vector<TAxisLabel> labels;
    const long double lo = scale.Minimum, hi = scale.Maximum, s = step;
    if (!(s > 0) || !(std::fabs((hi - lo) / s) < 10000))
        return labels;
    if (lo == hi) {
        // One label at the centre; the tolerance below would repeat it for
        // every tiny step it spans.
        labels.push_back({AxisValueToPixel(scale, scale.Maximum), scale.Maximum, PatternText(format, hi)});
        return labels;
    }
    const long double top = roundFirstLabel ? std::trunc(hi / s) * s : hi;
    // The lowest label may lie a hair under the minimum, for the rounding of
    // the values above it: 1e-12 of the value, but never more than a quarter
    // step, or an axis zoomed to a few units in the last place of 10^9 would
    // gain tens of thousands of labels below its minimum.
    const long double bottom = std::max((lo - 1e-12L) / 1.000000000001L, lo - s / 4);
    // Label k is top - k x step, counted rather than stepped down to, so that
    // a step too small to change the value still ends the loop; the range
    // holds fewer than 10000 steps, so k stays below about 10002. A step
    // below the spacing of long doubles there rounds the top up by a few
    // steps: no more labels than the steps from the maximum down, and one.
    const long double span = (top - bottom) / s, room = (hi - bottom) / s;
    const long long last = span < 20000 ? (long long)span + 1 : 20000;
    const long long most = room < 20000 ? (long long)room + 1 : 20000;
    long long placed = 0;
    for (long long k = 0; k <= last && placed < most; ++k) {
        const long double v = top - k * s;
        if (v > hi)
            continue;
        if (v < bottom)
            break;
        ++placed;
        const double value = double(v);
        const int p = AxisValueToPixel(scale, value);
        const bool inside = p > scale.Start && p < scale.End;
        if (labelsOnAxis || inside)
            labels.push_back({p, value, PatternText(format, v)});
    }
    return labels;
}

std::vector<TAxisLabel> ThinTextLabels(const std::vector<TTextLabelCandidate>& candidates, int separation)
{
    std::vector<TAxisLabel> kept;
    // 64 bits: extent x 2 x separation, and a position plus a half extent,
    // stay exact for any 32-bit inputs.
    int64_t lastPos = 0, lastHalf = 0;
    for (const TTextLabelCandidate& c : candidates) {
        if (!kept.empty() && separation > 0) {
            // extent * 0.02 * separation in integers: 15 * 0.2 must give 3,
            // which binary 0.02 would make 2.999...
            const int64_t e = (c.Extent + int64_t(c.Extent) * 2 * separation / 100) / 2;
            const bool clear = c.Position >= lastPos ? c.Position - e >= lastPos + lastHalf
                                                     : c.Position + e <= lastPos - lastHalf;
            if (!clear)
                continue;
            lastHalf = e;
        } else {
            lastHalf = kept.empty() ? c.Extent / 2 : lastHalf;
        }
        lastPos = c.Position;
        kept.push_back({c.Position, c.Value, c.Text});
    }
    return kept;
}
