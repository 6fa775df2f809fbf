#pragma once
// Where the points of a series fall in device pixels, as both the plan of a
// dense line and the painter of every other series see them.
#include "chart/model/value_span.h"
#include "chart/raster/axis_scale.h"
#include "chart/raster/pixel_geometry.h"

#include <cmath>

// Positions beyond +-32766 are skipped, never wrapped: the old 16-bit
// drawing range, which the pictures of these charts keep.
constexpr int PixelLimit = 32766;

class TPointPixels {
public:
    TPointPixels(TValueSpan xs, TValueSpan ys, const TAxisScale& horizontal, const TAxisScale& vertical)
            : xs_(xs), ys_(ys), hx_(horizontal), vy_(vertical)
    {
    }

    // Point i's pixel; false for a point that is skipped.
    [[gnu::always_inline]] bool At(int i, TPixelPoint& p) const
    {
        const int x = hx_.Pixel(xs_[i]);
        const int y = vy_.Pixel(ys_[i]);
        if (x < -PixelLimit || x > PixelLimit || y < -PixelLimit || y > PixelLimit)
            return false;
        p = {x, y};
        return true;
    }

    // Where the drawing starts when point `first` (at p) is not point 0: an
    // area from point first - 1 itself, a line from where the segment
    // first - 1 .. first crosses the clip's left edge.
    bool EdgeStart(int first, const TPixelPoint& p, bool area, int left, TPixelPoint& e) const
    {
        TPixelPoint q;
        if (!At(first - 1, q))
            return false;
        if (area || q.X == p.X) {
            e = q;
            return true;
        }
        const long double t = ((long double)left - q.X) / ((long double)p.X - q.X);
        e = {left, int(std::lrint(q.Y + t * ((long double)p.Y - q.Y)))};
        return true;
    }

    const TAxisMapper& Horizontal() const { return hx_; }
    const TAxisMapper& Vertical() const { return vy_; }

private:
    TValueSpan xs_, ys_;
    TAxisMapper hx_, vy_;
};
