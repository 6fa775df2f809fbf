#pragma once
// The geometry of one paint, as plain code: automatic ranges, the plot
// rectangle with the axis bands cut from it, marker padding, the visible index
// ranges, and every axis' labels and tick positions. It writes the results the
// mouse needs into the model (axis scales and bands, PlotRect, shown ranges).
#include "chart/axis_labels.h"
#include "chart/axis_panel.h"
#include "chart/text_measure.h"

#include <array>
#include <vector>

struct TAxisDrawing {
    TLabelStyle Style = lsNone; // lsAuto resolved
    double Step = 0;                // value labels only
    std::vector<TAxisLabel> Labels;
    std::vector<int> Ticks;         // one per drawn label
};

struct TPlotLayout {
    TPixelRect Bounds;
    TPixelRect PlotRect;
    std::array<TAxisDrawing, 4> Axes; // bottom, top, left, right
};

// Sets Minimum/Maximum of every end whose automatic flag is on from the
// series bound to the axis (the cached statistics).
void ComputeAutomaticRange(const TAxisPanel& chart, TAxis& axis);

// lsAuto becomes lsText on a horizontal axis whose first associated active
// series carries a label at index 0, else lsValue; lsNone without such series.
TLabelStyle EffectiveLabelStyle(const TAxisPanel& chart, const TAxis& axis);

// Pixels asked for at each end by visible markers of the axis' active series.
int MarkerPadding(const TAxisPanel& chart, const TAxis& axis);

// First and last index to draw for the current horizontal scale (-1, -1 when none).
void ComputeVisibleRange(TSeries& series);

TPlotLayout LayoutPlot(TAxisPanel& chart, const TTextMeasure& measure, int width, int height);
