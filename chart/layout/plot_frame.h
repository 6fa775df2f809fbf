#pragma once
// The geometry of one paint, worked out by the layout from the chart model:
// every axis' scale, bands and labels, the plot rectangle, and the index range
// each series shows. Drawing, hit tests and the mouse read it; none of them
// writes the model's geometry back.
#include "chart/layout/axis_labels.h"
#include "chart/layout/device_scale.h"
#include "chart/model/axis.h"
#include "chart/raster/axis_scale.h"
#include "chart/raster/pixel_geometry.h"

#include <array>
#include <vector>

class TSeries;

struct TAxisFrame {
    TAxisScale Scale;                               // working range after marker padding, pixel span
    bool Shown = false;                             // drawn and given space
    int TitleBand = 0, LabelBand = 0, TickBand = 0; // band sizes, inner to outer: ticks, labels, title
    int AxisLinePos = 0;                            // the plot side the axis runs along
    int OutwardStep = 1;                            // +1 when away from the plot is toward larger pixels
    TLabelStyle Style = lsNone;                     // lsAuto resolved; lsNone when no labels are drawn
    double Step = 0;                                // value labels only
    std::vector<TAxisLabel> Labels;
    std::vector<int> Ticks; // one per drawn label

    // Pixel of the plot side moved outward by `distance` (down for the bottom axis, ...).
    int Outward(int distance) const { return AxisLinePos + OutwardStep * distance; }
};

struct TSeriesFrame {
    // Index range of the points drawn; -1, -1 when none is in view.
    int FirstShownIndex = -1;
    int LastShownIndex = -1;
    TAxisScale Horizontal, Vertical; // the scales of the series' two axes
    TDeviceScale Device;             // the mouse tolerances grow with it

    // Where point i of the series lies in this frame.
    TPixelPoint PixelOf(const TSeries& series, int index) const;
};

// Every pixel here is a device pixel of the ratio in Device.
struct TPlotFrame {
    TDeviceScale Device;
    TPixelRect Bounds;
    TPixelRect PlotRect;
    std::array<TAxisFrame, 4> Axes;   // in panel order: bottom, top, left, right
    std::vector<TSeriesFrame> Series; // in series list order

    const TAxisFrame& AxisFrame(const TAxis& axis) const { return Axes[size_t(axis.Kind())]; }
    // The frame of series `index`; before any layout, one that shows nothing.
    const TSeriesFrame& SeriesAt(int index) const;
};
