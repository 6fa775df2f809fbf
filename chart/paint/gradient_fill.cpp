#include "chart/paint/gradient_fill.h"

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

TColor GradientBandColor(TColor start, TColor end, int k, int n)
{
    // A single band has nowhere to fade to: it takes the start colour.
    if (n <= 1)
        return start;
    auto channel = [&](int s, int e) { return s + MulDiv(e - s, k, n - 1); };
    return RgbColor(channel(RedOf(start), RedOf(end)), channel(GreenOf(start), GreenOf(end)),
                    channel(BlueOf(start), BlueOf(end)));
}

void FillGradient(QImage& image, const TPixelRect& rect, TColor start, TColor end)
{
    const int h = rect.Height() + 1;
    if (h <= 0 || rect.Width() < 0)
        return;
    const int n = std::min(h, 256);
    const int bottom = rect.Bottom + 1; // first row below the rectangle
    const int x0 = std::max(rect.Left, 0), x1 = std::min(rect.Right, image.width() - 1);
    for (int k = 0; k < n; ++k) {
        const TColor c = GradientBandColor(start, end, k, n);
        const QRgb rgb = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
        const int rowFrom = std::max(bottom - MulDiv(k + 1, h, n), 0);
        const int rowTo = std::min(bottom - MulDiv(k, h, n), image.height()); // exclusive
        for (int y = rowFrom; y < rowTo; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line + x0, line + x1 + 1, rgb);
        }
    }
}
