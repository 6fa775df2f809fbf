#pragma once
// The mapping between an axis' working range and its pixel span: a value type
// and pure functions, so that the math is tested without a chart or widget.
#include <emmintrin.h>

struct TAxisScale {
    double Minimum = 0; // working minimum (after marker padding)
    double Maximum = 0; // working maximum
    int Start = 0;      // first pixel of the span (left, or top for a vertical axis)
    int End = 0;        // last pixel of the span (right, or bottom)
    bool Horizontal = true;

    double Range() const { return Maximum - Minimum; }
    // From the first pixel to the last: one less than the pixels it holds.
    int Span() const { return End - Start; }
    int Centre() const { return (Start + End) / 2; }
    bool operator==(const TAxisScale&) const = default;
};

// The value-to-pixel rule, its factor size / range worked out once: q =
// (v - minimum) * factor, rounded to nearest with ties to even; the centre for
// a zero range or when |q| reaches 2^31 - 1. Positions are display values and
// a paint maps millions of them, so this one rule runs in 64-bit doubles
// (SSE); drawing and the hit test both use it, so they always agree. A pixel
// beyond the 32-bit range saturates at its end.
class TAxisMapper {
public:
    explicit TAxisMapper(const TAxisScale& s);
    int Pixel(double value) const
    {
        if (zero_)
            return centre_;
        const double q = (value - minimum_) * factor_;
        if (!(q < 2147483647.0 && q > -2147483647.0))
            return centre_;
        // cvtsd2si rounds in the current mode (nearest, ties to even) like
        // lrint, without the library call -frounding-math would keep.
        const int r = _mm_cvtsd_si32(_mm_set_sd(q));
        // In 64 bits: a point just inside the cut-off, offset by the span's
        // start, may lie beyond 32 bits; it saturates there.
        const long long p = horizontal_ ? (long long)base_ + r : (long long)base_ - r;
        return p > 2147483647 ? 2147483647 : p < -2147483647 - 1 ? -2147483647 - 1 : int(p);
    }

    // True when Pixel() never decreases from lo up to hi (lo <= hi): the
    // axis runs left to right and neither end is mapped to the centre for
    // lying too far out. Values in between then keep their order in pixels.
    bool Increasing(double lo, double hi) const
    {
        if (zero_ || !horizontal_ || !(factor_ > 0) || !(lo <= hi))
            return false;
        const double qLo = (lo - minimum_) * factor_, qHi = (hi - minimum_) * factor_;
        return qLo < 2147483647.0 && qLo > -2147483647.0 && qHi < 2147483647.0 && qHi > -2147483647.0;
    }

    // True when Pixel() of every value from lo up to hi (lo <= hi) lies
    // between Pixel(lo) and Pixel(hi): neither end maps to the centre for
    // lying too far out (or being NaN).
    bool Monotone(double lo, double hi) const
    {
        if (zero_)
            return true;
        const double qLo = (lo - minimum_) * factor_, qHi = (hi - minimum_) * factor_;
        return lo <= hi && qLo < 2147483647.0 && qLo > -2147483647.0 && qHi < 2147483647.0 &&
            qHi > -2147483647.0;
    }

    // Pixel() of values[0 .. count - 1] into pixels[], two at a time with
    // the same operations, so every answer is the one Pixel() gives.
    void Pixels(const double* values, int count, int* pixels) const;

private:
    double minimum_;
    double factor_;
    int base_;
    int centre_;
    bool horizontal_;
    bool zero_;
};

// Vertical axes grow upward: the minimum lies at End. A zero range maps every
// value to the centre, as does a position that would overflow 32 bits.
int AxisValueToPixel(const TAxisScale& scale, double value);
double AxisPixelToValue(const TAxisScale& scale, int pixel);

// Widens the working range so that the unpadded range maps onto the span less
// `startPad` pixels at the start side (left, or bottom) and `endPad` at the end
// side (right, or top).
TAxisScale PadScale(TAxisScale scale, int startPad, int endPad);
