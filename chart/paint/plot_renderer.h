#pragma once
// One paint of a chart into an image of the control's size: background,
// axes, series, in that order. Never sees the widget.
#include "chart/axis_panel.h"
#include "chart/plot_layout.h"
#include "chart/text_measure.h"

#include <QImage>

enum class TSeriesDrawing {
    Fast,     // every pixel takes the last primitive that covers it, found back to front
    OneByOne  // every segment and marker painted in order (the reference)
};

// Runs the layout (ranges, plot rectangle, labels), draws, and answers the layout.
TPlotLayout PaintPlot(QImage& image, TAxisPanel& chart, const TTextMeasure& measure,
                 TSeriesDrawing drawing = TSeriesDrawing::Fast);
