#pragma once
// Drawing one shown axis from its frame: title, labels, axis line, ticks,
// grid, in that order.
#include "chart/axis.h"
#include "chart/plot_frame.h"

#include <QImage>
#include <QPainter>

void DrawAxis(QPainter& painter, const TAxis& axis, const TAxisFrame& frame, const TPixelRect& plot);

// A one-pixel line of every second pixel, the first one set, from (x0, y0)
// along x (horizontal) or y to (x1, y1) inclusive; clipped to the image.
void DrawSmallDotsLine(QImage& image, int x0, int y0, int x1, int y1, TWindowsColor color);
