#pragma once
// Drawing one shown axis from its frame: title, labels, axis line, ticks,
// grid, in that order.
#include "chart/layout/device_scale.h"
#include "chart/layout/plot_frame.h"
#include "chart/model/axis.h"

#include <QImage>
#include <QPainter>

// The frame is in device pixels; `device` scales fonts, pen widths and tick
// lengths to match.
void DrawAxis(QPainter& painter, const TAxis& axis, const TAxisFrame& frame, const TPixelRect& plot,
              const TDeviceScale& device = {});

// A one-pixel line of every second pixel, the first one set, from (x0, y0)
// along x (horizontal) or y to (x1, y1) inclusive; clipped to the image. At a
// `dot` of d device pixels (one logical pixel at ratio d) the line is d thick,
// below or right of the given one, and alternates d pixels set, d clear.
void DrawSmallDotsLine(QImage& image, int x0, int y0, int x1, int y1, TWindowsColor color, int dot = 1);
