#pragma once
// One paint of a chart into an image of the control's size in device pixels,
// from the chart and the frame its layout gave: background, axes, series, in
// that order. Never sees the widget, never changes the chart. The image is
// painted pixel for pixel: its own device pixel ratio must be 1 meanwhile.
#include "chart/layout/plot_frame.h"
#include "chart/model/axis_panel.h"
#include "chart/paint/series_renderer.h"

#include <QImage>

// plans: the painter's own cache of series plans (see DrawSeries).
void PaintPlot(QImage& image, const TAxisPanel& panel, const TPlotFrame& frame,
               TSeriesDrawing drawing = TSeriesDrawing::Fast, TPlanCache* plans = nullptr);
