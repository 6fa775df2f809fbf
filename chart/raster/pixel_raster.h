#pragma once
// Rasterization of the chart's primitives into vertical pixel runs, so that a
// sink can paint them in order or back to front with a coverage mask and get
// the same pixels. Everything is integer arithmetic on client pixels.
#include <cstddef>
#include <cstdint>
#include <vector>

// floor(a / b) and ceil(a / b) for b > 0.
inline long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
inline long long CeilDiv(long long a, long long b) { return -FloorDiv(-a, b); }

// The line from (x0, y0) to (x1, y1), both ends included: with n the larger of
// |dx| and |dy|, pixel t (0..n) steps the major axis by t and the minor one by
// floor((2 t |d minor| + n) / (2 n)), i.e. rounds half up. Calls
// run(x, yFrom, yTo) (yFrom <= yTo) once per column, only for columns in
// [clipLeft, clipRight].
template <class RunFn>
void RasterLine(int x0, int y0, int x1, int y1, int clipLeft, int clipRight, RunFn&& run)
{
    const long long dx = (long long)x1 - x0, dy = (long long)y1 - y0;
    const long long adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const long long n = adx > ady ? adx : ady;
    if (dx == 0) {
        // Vertical (the common case of dense data): one run.
        if (x0 >= clipLeft && x0 <= clipRight)
            run(x0, y0 < y1 ? y0 : y1, y0 < y1 ? y1 : y0);
        return;
    }
    // Column offsets m (x = x0 + sx m) inside the clip.
    long long mLo = sx > 0 ? (long long)clipLeft - x0 : (long long)x0 - clipRight;
    long long mHi = sx > 0 ? (long long)clipRight - x0 : (long long)x0 - clipLeft;
    if (mLo < 0)
        mLo = 0;
    if (adx >= ady) {
        // One pixel per column.
        if (mHi > n)
            mHi = n;
        for (long long t = mLo; t <= mHi; ++t) {
            const int y = int(y0 + sy * FloorDiv(2 * t * ady + n, 2 * n));
            run(int(x0 + sx * t), y, y);
        }
        return;
    }
    // Steep: column m holds the steps t with f(t) = m, where
    // f(t) = floor((2 t adx + n) / (2 n)); f(t) >= m  <=>  t >= (2 n m - n) / (2 adx).
    if (mHi > adx)
        mHi = adx;
    auto firstStep = [&](long long m) -> long long {
        if (adx == 0)
            return m == 0 ? 0 : n + 1;
        const long long t = CeilDiv(2 * n * m - n, 2 * adx);
        return t < 0 ? 0 : t;
    };
    long long tFrom = firstStep(mLo);
    for (long long m = mLo; m <= mHi; ++m) {
        const long long tNext = firstStep(m + 1);
        const long long tTo = tNext - 1 > n ? n : tNext - 1;
        if (tTo >= tFrom) {
            const int ya = int(y0 + sy * tFrom), yb = int(y0 + sy * tTo);
            run(int(x0 + sx * m), ya < yb ? ya : yb, ya < yb ? yb : ya);
        }
        tFrom = tNext;
    }
}

// A marker's pixels relative to the top left corner of its box, as vertical
// runs; Rim runs take the pen colour, the others the brush colour.
struct TMarkerRun {
    int Dx, Dy0, Dy1;
    bool Rim;
};

struct TMarkerShape {
    int OffsetX = 0, OffsetY = 0; // box corner relative to the point
    int Width = 0, Height = 0;    // box size
    std::vector<TMarkerRun> Runs;
};

// circle: the ellipse inscribed in the box (x - h, y - v) .. (x + h, y + v),
// right and bottom exclusive, a pixel belonging when its centre lies inside;
// the rim is every pixel of it with a pixel outside within `rim` steps along
// its row or column. rectangle: the box `rim` pixels larger to the right and
// bottom, its border `rim` pixels wide. Sizes are device pixels: at a device
// ratio r the caller passes h, v and a rim of one logical pixel times r.
TMarkerShape MakeMarkerShape(bool circle, int horizSize, int vertSize, int rim = 1);

// True when a marker of this shape shows nothing once two of the same shape
// sit over it, a row above and a row below: each of its pixels has one of
// the shape right above or right below it.
bool HiddenBetweenRows(const TMarkerShape& shape);
