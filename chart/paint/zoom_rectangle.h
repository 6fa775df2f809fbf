#pragma once
// The zoom rectangle, drawn in NOT-XOR mode so that a second drawing restores
// the pixels beneath.
#include "chart/model/color.h"

#include <QImage>

// The pen: the chart colour as RGB, black when that is white.
TWindowsColor ZoomRectanglePen(TWindowsColor chartColor);

// Outline from (x0, y0) to (x1, y1) inclusive, every pixel touched once,
// clipped to the image: dst = NOT (pen XOR dst). A `width` of w device pixels
// (one logical pixel at ratio w) covers the corners' whole w x w squares: the
// far corner grows by w - 1, and w nested outlines are drawn inward.
void DrawXorRectangle(QImage& image, int x0, int y0, int x1, int y1, TWindowsColor pen, int width = 1);
