#include "chart/point_series.h"

#include "chart/axis_panel.h"
#include "chart/series_hit_test.h"

#include <algorithm>
#include <cstdlib>

TPointSeries::TPointSeries()
{
    pointer_.OnChange = [this] { RequestRepaint(); };
    linePen_.OnChange = [this] { RequestRepaint(); };
}

int TPointSeries::PointAtPixel(int x, int y) const
{
    if (FirstShownIndex < 0 || LastShownIndex < 0)
        return -1;
    const TAxis* h = ResolvedHorizAxis();
    const TAxis* v = ResolvedVertAxis();
    if (!h || !v)
        return -1;
    const TPixelPoint m{x, y};
    const int origin = v->Scale.End;
    const int last = std::min(LastShownIndex, PointCount() - 1);
    const TAxisMapper hx(h->Scale), vy(v->Scale);
    TPixelPoint prev;
    for (int i = FirstShownIndex; i <= last; ++i) {
        const TPixelPoint p{hx.Pixel(XValueAt(i)), vy.Pixel(YValueAt(i))};
        if (pointer_.Visible() && std::abs(p.X - x) < pointer_.HorizSize && std::abs(p.Y - y) < pointer_.VertSize) {
            if (OnClickPointer)
                OnClickPointer(const_cast<TPointSeries&>(*this), i);
            return i;
        }
        if (p == m)
            return i;
        if (i > FirstShownIndex) {
            if (LineClickable) {
                bool hit;
                if (Stairs) {
                    // The two axis-parallel legs through the corner.
                    const TPixelPoint corner = InvertedStairs ? TPixelPoint{prev.X, p.Y} : TPixelPoint{p.X, prev.Y};
                    hit = SegmentHit(m, prev, corner) || SegmentHit(m, corner, p);
                } else {
                    hit = SegmentHit(m, prev, p);
                }
                if (hit)
                    return i - 1;
            }
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
