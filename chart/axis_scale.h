#pragma once
// The mapping between an axis' working range and its pixel span: a value type
// and pure functions, so that the math is tested without a chart or widget.
struct TAxisScale {
    double Minimum = 0;   // working minimum (after marker padding)
    double Maximum = 0;   // working maximum
    int Start = 0;        // first pixel of the span (left, or top for a vertical axis)
    int End = 0;          // last pixel of the span (right, or bottom)
    bool Horizontal = true;

    double Range() const { return Maximum - Minimum; }
    int Size() const { return End - Start; }
    int Centre() const { return (Start + End) / 2; }
};

// Vertical axes grow upward: the minimum lies at End. A zero range maps every
// value to the centre, as does a position that would overflow 32 bits.
int AxisValueToPixel(const TAxisScale& scale, double value);
double AxisPixelToValue(const TAxisScale& scale, int pixel);

// Widens the working range so that the unpadded range maps onto the span less
// `startPad` pixels at the start side (left, or bottom) and `endPad` at the end
// side (right, or top).
TAxisScale PadScale(TAxisScale scale, int startPad, int endPad);
