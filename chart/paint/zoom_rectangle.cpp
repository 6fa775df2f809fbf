#include "chart/paint/zoom_rectangle.h"

#include "chart/paint/qt_color.h"

#include <algorithm>

TWindowsColor ZoomRectanglePen(TWindowsColor chartColor)
{
    const TWindowsColor rgb = chartColor & 0xffffff;
    return rgb == Colors::White ? Colors::Black : rgb;
}

void DrawXorRectangle(QImage& image, int x0, int y0, int x1, int y1, TWindowsColor pen, int width)
{
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    x1 += width - 1;
    y1 += width - 1;
    const QRgb p = ToQRgb(pen);
    const int w = image.width(), h = image.height();
    auto flip = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        line[x] = 0xff000000u | (~(p ^ line[x]) & 0xffffffu);
    };
    // The nested outlines share no pixel, so a second drawing still restores.
    for (int k = 0; k < width && x0 + k <= x1 - k && y0 + k <= y1 - k; ++k) {
        const int l = x0 + k, t = y0 + k, r = x1 - k, b = y1 - k;
        for (int x = l; x <= r; ++x) {
            flip(x, t);
            if (b != t)
                flip(x, b);
        }
        for (int y = t + 1; y < b; ++y) {
            flip(l, y);
            if (r != l)
                flip(r, y);
        }
    }
}
