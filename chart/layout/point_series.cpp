#include "chart/layout/point_series.h"

#include "chart/layout/plot_frame.h"
#include "chart/raster/series_hit_test.h"

#include <algorithm>
#include <cstdlib>

TPointSeries::TPointSeries()
{
    pointer_.OnChange = [this] { RequestRepaint(); };
    linePen_.OnChange = [this] { RequestRepaint(); };
}

int TPointSeries::PointAtPixel(const TSeriesFrame& frame, int x, int y) const
{
    const int first = frame.FirstShownIndex;
    if (first < 0 || frame.LastShownIndex < 0)
        return -1;
    const TPixelPoint m{x, y};
    const int origin = frame.Vertical.End;
    // Points cleared since the frame was laid out are gone.
    const int last = std::min(frame.LastShownIndex, PointCount() - 1);
    const TAxisMapper hx(frame.Horizontal), vy(frame.Vertical);
    const int markerX = frame.Device.Of(pointer_.HorizSize), markerY = frame.Device.Of(pointer_.VertSize);
    const int reach = frame.Device.Of(1); // the drawn line's width
    TPixelPoint prev;
    for (int i = first; i <= last; ++i) {
        const TPixelPoint p{hx.Pixel(XValueAt(i)), vy.Pixel(YValueAt(i))};
        if (pointer_.Visible() && std::abs(p.X - x) < markerX && std::abs(p.Y - y) < markerY)
            return i;
        if (p == m)
            return i;
        if (i > first) {
            if (LineClickable && SegmentHit(m, prev, p, 0, reach))
                return i - 1;
            if (DrawArea) {
                const TPixelPoint quad[4] = {prev, p, {p.X, origin}, {prev.X, origin}};
                if (PolygonContains(quad, 4, m))
                    return i - 1;
            }
        }
        prev = p;
    }
    return -1;
}
