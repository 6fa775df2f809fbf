#include "chart/paint/zoom_rectangle.h"

#include "chart/paint/qt_color.h"

#include <algorithm>

TWindowsColor ZoomRectanglePen(TWindowsColor chartColor)
{
    const TWindowsColor rgb = chartColor & 0xffffff;
    return rgb == Colors::White ? Colors::Black : rgb;
}

void DrawXorRectangle(QImage& image, int x0, int y0, int x1, int y1, TWindowsColor pen)
{
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    const QRgb p = ToQRgb(pen);
    const int w = image.width(), h = image.height();
    auto flip = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        line[x] = 0xff000000u | (~(p ^ line[x]) & 0xffffffu);
    };
    for (int x = x0; x <= x1; ++x) {
        flip(x, y0);
        if (y1 != y0)
            flip(x, y1);
    }
    for (int y = y0 + 1; y < y1; ++y) {
        flip(x0, y);
        if (x1 != x0)
            flip(x1, y);
    }
}
