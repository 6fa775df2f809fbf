#include "chart/raster/gradient_bands.h"

#include <algorithm>

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    long long p = (long long)a * b;
    const bool negative = (p < 0) != (c < 0);
    const long long ap = p < 0 ? -p : p, ac = c < 0 ? -(long long)c : c;
    const long long q = (2 * ap + ac) / (2 * ac);
    return int(negative ? -q : q);
}

int GradientBandCount(int height) { return std::min(height, 256); }

TWindowsColor GradientBandColor(TWindowsColor start, TWindowsColor end, int k, int n)
{
    // A single band has nowhere to fade to: it takes the start colour.
    if (n <= 1)
        return start;
    auto channel = [&](int s, int e) { return s + MulDiv(e - s, k, n - 1); };
    return RgbColor(channel(RedOf(start), RedOf(end)), channel(GreenOf(start), GreenOf(end)),
                    channel(BlueOf(start), BlueOf(end)));
}
