#pragma once
// Drawing the points of line and area series into an RGB32 image, clipped to
// the plot rectangle. The picture is a sequence of primitives (segments, area
// quadrilaterals, markers) in drawing order; each pixel shows the last one
// that covers it. The fast path walks the sequence back to front and paints
// only pixels nothing later has covered (a per-column "next free row" mask),
// so a million points on a thousand columns cost little more than the points
// that remain visible; the one-by-one path paints every primitive in order.
// A dense line of one colour is first planned (chart/column_plan.h): what of
// it survives is worked out without the image, and only that is painted.
#include "chart/model/axis_panel.h"
#include "chart/raster/plan_cache.h"
#include "chart/layout/plot_frame.h"

#include <QImage>

enum class TSeriesDrawing {
    Fast,    // every pixel takes the last primitive that covers it, found back to front
    OneByOne // every segment and marker painted in order (the reference)
};

// Draws every active series of the chart (in list order, over what the image
// holds) with the scales and shown index ranges of the frame. The plans of
// the paint before are taken from `plans` where still valid, and this
// paint's are kept there; without it every plan is worked out anew.
void DrawSeries(QImage& image, const TAxisPanel& panel, const TPlotFrame& frame, const TPixelRect& clip,
                TSeriesDrawing drawing, TPlanCache* plans = nullptr);
