#include "chart/paint/gradient_fill.h"

#include "chart/paint/qt_color.h"
#include "chart/raster/gradient_bands.h"

#include <algorithm>

void FillGradient(QImage& image, const TPixelRect& rect, TWindowsColor start, TWindowsColor end)
{
    const int h = rect.Rows();
    if (h <= 0 || rect.Columns() <= 0)
        return;
    const int n = GradientBandCount(h);
    const int bottom = rect.Bottom + 1; // first row below the rectangle
    const int x0 = std::max(rect.Left, 0), x1 = std::min(rect.Right, image.width() - 1);
    for (int k = 0; k < n; ++k) {
        const QRgb rgb = ToQRgb(GradientBandColor(start, end, k, n));
        const int rowFrom = std::max(bottom - MulDiv(k + 1, h, n), 0);
        const int rowTo = std::min(bottom - MulDiv(k, h, n), image.height()); // exclusive
        for (int y = rowFrom; y < rowTo; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line + x0, line + x1 + 1, rgb);
        }
    }
}
