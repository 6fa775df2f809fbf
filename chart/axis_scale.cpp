#include "chart/axis_scale.h"

#include <cmath>

TAxisMapper::TAxisMapper(const TAxisScale& s)
    : minimum_(s.Minimum), base_(s.Horizontal ? s.Start : s.End), centre_(s.Centre()), horizontal_(s.Horizontal)
{
    const double range = s.Maximum - s.Minimum;
    zero_ = range == 0;
    factor_ = zero_ ? 0 : s.Size() / range;
}

int AxisValueToPixel(const TAxisScale& s, double value)
{
    return TAxisMapper(s).Pixel(value);
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
