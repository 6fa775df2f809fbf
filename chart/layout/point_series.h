#pragma once
// Line and area series: points joined by segments, or filled down to the
// bottom of the plot, with an optional marker at each point.
#include "chart/model/plot_pen.h"
#include "chart/model/point_marker.h"
#include "chart/model/series.h"

class TPointSeries : public TSeries {
public:
    TPointSeries();

    TPointMarker& Pointer() { return pointer_; }
    const TPointMarker& Pointer() const { return pointer_; }
    // Colour DefaultPointColor: the point colour.
    TPlotPen& LinePen() { return linePen_; }
    const TPlotPen& LinePen() const { return linePen_; }
    TPlotPen AreaLinesPen{Colors::Black};
    TWindowsColor AreaColor = DefaultPointColor;
    bool DrawArea = false;
    // Presses on the segments between points count as presses on a point.
    bool LineClickable = true;
    int PointAtPixel(const TSeriesFrame& frame, int x, int y) const override;
    // Something of it is painted: its line, its area or its markers (a curve
    // hidden by its check box keeps its points but shows none of these).
    bool Painted() const { return linePen_.Draws() || DrawArea || pointer_.Visible(); }

private:
    TPointMarker pointer_;
    TPlotPen linePen_{DefaultPointColor};
};

class TLineSeries : public TPointSeries {
public:
    TLineSeries() { DrawArea = false; }
};

class TAreaSeries : public TPointSeries {
public:
    TAreaSeries() { DrawArea = true; }
};
