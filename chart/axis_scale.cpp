#include "chart/axis_scale.h"

#include <cmath>

int AxisValueToPixel(const TAxisScale& s, double value)
{
    const long double range = (long double)s.Maximum - s.Minimum;
    if (range == 0)
        return s.Centre();
    const long double q = ((long double)value - s.Minimum) * s.Size() / range;
    if (!(std::fabs(q) < 2147483647.0L))
        return s.Centre();
    // Rounding to nearest, ties to even (the default mode).
    const long r = std::lrint(q);
    return s.Horizontal ? s.Start + int(r) : s.End - int(r);
}

double AxisPixelToValue(const TAxisScale& s, int pixel)
{
    if (s.Size() < 1)
        return 0;
    const long double t = ((long double)pixel - s.Start) * ((long double)s.Maximum - s.Minimum) / s.Size();
    return s.Horizontal ? double(s.Minimum + t) : double(s.Maximum - t);
}

TAxisScale PadScale(TAxisScale s, int startPad, int endPad)
{
    const int room = s.Size() - startPad - endPad;
    if (room <= 0 || (startPad == 0 && endPad == 0))
        return s;
    const long double m = s.Minimum, r = (long double)s.Maximum - s.Minimum;
    s.Minimum = double(m - startPad * r / room);
    s.Maximum = double(m + r + endPad * r / room);
    return s;
}
