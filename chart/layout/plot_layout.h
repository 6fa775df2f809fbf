#pragma once
// The geometry of one paint, as plain code on a const chart model: the plot
// rectangle with the axis bands cut from it, marker padding, the visible index
// ranges, and every axis' labels and tick positions. The automatic ranges are
// refreshed before (automatic_range.h); this reads them.
#include "chart/layout/plot_frame.h"
#include "chart/layout/text_measure.h"
#include "chart/model/axis_panel.h"

// lsAuto becomes lsText on a horizontal axis whose first associated active
// series carries a label at index 0, else lsValue; lsNone without such series.
TLabelStyle EffectiveLabelStyle(const TAxisPanel& panel, const TAxis& axis);

// width and height are device pixels; `device` scales the logical metrics
// (fonts included: `measure` gets the fonts at their logical size).
TPlotFrame LayoutPlot(const TAxisPanel& panel, const TTextMeasure& measure, int width, int height,
                      const TDeviceScale& device = {});
