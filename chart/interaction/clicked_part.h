#pragma once
// Which part of a chart a press at a client pixel falls on, with the
// positions of a frame (the last painted one): a series point, an axis, the
// plot background, or nothing.
#include "chart/layout/plot_frame.h"
#include "chart/model/axis_panel.h"

enum class TPlotPart { None, Series, Axis, Background };

struct TClickedPart {
    TPlotPart Part = TPlotPart::None;
    int SeriesIndex = -1; // in the panel's list
    int ValueIndex = -1;
};

// Series from the last of the list to the first, active ones only; then the
// shown axes; then the plot rectangle, when some series is active.
TClickedPart FindClickedPart(const TAxisPanel& panel, const TPlotFrame& frame, int x, int y);
