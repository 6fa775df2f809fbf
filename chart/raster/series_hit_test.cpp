#include "chart/raster/series_hit_test.h"

#include <algorithm>
#include <cstdlib>

namespace {

// m lies beyond the end e (the other end being f) by more than t.
bool Beyond(TPixelPoint m, TPixelPoint e, TPixelPoint f, int t)
{
    return (f.X + t < e.X && e.X + t < m.X) || (f.Y + t < e.Y && e.Y + t < m.Y) ||
        (m.X + t < e.X && e.X + t < f.X) || (m.Y + t < e.Y && e.Y + t < f.Y);
}

} // namespace

bool SegmentHit(TPixelPoint m, TPixelPoint a, TPixelPoint b, int tolerance, int reach)
{
    // 64-bit products: pixel coordinates reach +-32766, their products 2^31.
    const long long span = std::max(std::llabs((long long)b.X - a.X), std::llabs((long long)b.Y - a.Y));
    const long long cross = std::llabs(((long long)m.X - a.X) * ((long long)b.Y - a.Y) -
                                       ((long long)m.Y - a.Y) * ((long long)b.X - a.X));
    if (cross >= span * reach)
        return false;
    return !Beyond(m, a, b, tolerance) && !Beyond(m, b, a, tolerance);
}

bool PolygonContains(const TPixelPoint* p, int n, TPixelPoint m)
{
    bool inside = false;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const bool straddles = (p[i].Y > m.Y) != (p[j].Y > m.Y);
        if (!straddles)
            continue;
        // x of the edge at row m.Y, compared without division.
        const long long dy = (long long)p[j].Y - p[i].Y;
        const long long lhs = ((long long)m.X - p[i].X) * dy;
        const long long rhs = ((long long)p[j].X - p[i].X) * ((long long)m.Y - p[i].Y);
        if (dy > 0 ? lhs < rhs : lhs > rhs)
            inside = !inside;
    }
    return inside;
}
