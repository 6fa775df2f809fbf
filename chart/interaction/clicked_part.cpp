#include "chart/interaction/clicked_part.h"

#include <algorithm>

namespace {

// The axis' click area: along its span, and across from 3 logical pixels
// outside the axis line to the label band.
bool AxisHit(const TAxisFrame& axis, const TDeviceScale& device, int x, int y)
{
    const int along = axis.Scale.Horizontal ? x : y;
    const int across = axis.Scale.Horizontal ? y : x;
    if (along < axis.Scale.Start || along > axis.Scale.End)
        return false;
    // "Outside" is away from the plot, the label band starts past the ticks.
    const int outside = axis.Outward(device.Of(3));
    const int labels = axis.Outward(axis.TickBand);
    return across >= std::min(outside, labels) && across <= std::max(outside, labels);
}

} // namespace

TClickedPart FindClickedPart(const TAxisPanel& panel, const TPlotFrame& frame, int x, int y)
{
    TClickedPart part;
    for (int i = panel.SeriesTotal() - 1; i >= 0; --i) {
        const TSeries* s = panel.SeriesAt(i);
        if (!s->Active())
            continue;
        const int index = s->PointAtPixel(frame.SeriesAt(i), x, y);
        if (index != -1) {
            part.Part = TPlotPart::Series;
            part.SeriesIndex = i;
            part.ValueIndex = index;
            return part;
        }
    }
    for (const TAxisFrame& a : frame.Axes) {
        if (a.Shown && AxisHit(a, frame.Device, x, y)) {
            part.Part = TPlotPart::Axis;
            return part;
        }
    }
    if (panel.AnyActiveSeries() && frame.PlotRect.Contains(x, y))
        part.Part = TPlotPart::Background;
    return part;
}
