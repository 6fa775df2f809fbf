#pragma once
// Series: points as parallel lists (X, Y, colour, label), axis binding, the
// click events. Plain model code: nothing here draws. The mouse buttons and
// modifier keys are the chart's own small enums; the widget maps Qt's to them.
#include "chart/chart_types.h"
#include "chart/value_list.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TChart;
class TChartAxis;

enum class TMouseButton { Left, Right, Middle };
// Modifier keys and the double-click flag of a press.
enum TShiftFlag : unsigned { ssShift = 1, ssCtrl = 2, ssAlt = 4, ssDouble = 8 };
using TShiftState = unsigned;

enum THorizAxis { bindTop, bindBottom, bindBothHoriz, bindCustomHoriz };
enum TVertAxis { bindLeft, bindRight, bindBothVert, bindCustomVert };

class TChartSeries {
public:
    using ClickEvent = std::function<void(TChartSeries& sender, int valueIndex, TMouseButton button,
                                          TShiftState shift, int x, int y)>;

    TChartSeries();
    virtual ~TChartSeries();
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;

    // ---- points ----
    // Inserts by the X order; answers the new index, or -1 when OnBeforeAdd vetoed.
    int AddPoint(double x, double y, std::string_view label = {}, TColor color = DefaultPointColor);
    void ClearPoints();
    int PointCount() const { return xValues_.Count(); }
    double XValueAt(int index) const { return xValues_.ValueAt(index); }
    double YValueAt(int index) const { return yValues_.ValueAt(index); }
    // Windows-1251 text; empty past the end or for a point without a label.
    std::string LabelAt(int index) const;
    bool HasLabelAt(int index) const;
    // True when some point carries a label (the text-label style needs one).
    bool HasLabels() const { return labelledPoints_ > 0; }
    TColor PointColorAt(int index) const;
    // True when every point takes the series colour (lets drawing skip the lookup).
    bool UniformColor() const { return explicitColors_ == 0 && !ColorEachPoint; }

    TChartValueList& XValues() { return xValues_; }
    TChartValueList& YValues() { return yValues_; }
    const TChartValueList& XValues() const { return xValues_; }
    const TChartValueList& YValues() const { return yValues_; }

    // ---- look and binding ----
    bool Active() const { return active_; }
    void SetActive(bool active);
    TColor SeriesColor() const { return seriesColor_; }
    void SetSeriesColor(TColor c);
    bool ColorEachPoint = false;
    THorizAxis HorizAxis() const { return horizAxis_; }
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetHorizAxis(THorizAxis b);
    void SetVertAxis(TVertAxis b);
    // The axes the series is drawn against (null before it joins a chart).
    TChartAxis* GetHorizAxis() const;
    TChartAxis* GetVertAxis() const;
    // Bound to the axis directly or through a "both" binding of its direction.
    bool AssociatedWith(const TChartAxis& axis) const;

    std::string ValueFormat = "#,##0.###";
    std::string PercentFormat = "##0.## %";

    // ---- events ----
    ClickEvent OnClick;
    ClickEvent OnDblClick;
    std::function<bool(TChartSeries&)> OnBeforeAdd;
    std::function<void(TChartSeries&, int valueIndex)> OnAfterAdd;
    std::function<void(TChartSeries&)> OnClearValues;

    // Index range drawn in the last paint; -1 when nothing was drawn.
    int FirstShownIndex = -1;
    int LastShownIndex = -1;

    // Value index under a client pixel, or -1; uses the last painted positions.
    virtual int PointAtPixel(int x, int y) const;

    TChart* ParentChart() const { return chart_; }
    // Called by TChart when the series joins it.
    void AttachTo(TChart* chart) { chart_ = chart; }

protected:
    void RequestRepaint() const;

private:
    TChart* chart_ = nullptr;
    TChartValueList xValues_{"X", ordAscending};
    TChartValueList yValues_{"Y", ordNone};
    // Colours and labels are rare (only the spectrum has labels, nothing sets
    // colours): each list stays empty, meaning "all default", until a point
    // brings one; from then on it runs parallel to the values.
    std::vector<TColor> colors_;
    std::vector<std::unique_ptr<std::string>> labels_;
    int labelledPoints_ = 0;
    int explicitColors_ = 0;
    bool active_ = true;
    TColor seriesColor_ = DefaultPointColor;
    THorizAxis horizAxis_ = bindBottom;
    TVertAxis vertAxis_ = bindLeft;
};

enum TMarkerStyle { markRectangle, markCircle };

// The point marker of line and area series.
class TSeriesPointer {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; if (OnChange) OnChange(); }
    TMarkerStyle Style = markRectangle;
    int HorizSize = 4;
    int VertSize = 4;
    bool InflateMargins = true;
    TColor BrushColor = DefaultPointColor; // DefaultPointColor: the point colour
    TChartPen Pen{ChartColors::Black};
    std::function<void()> OnChange;

private:
    bool visible_ = false;
};

class TPointSeries : public TChartSeries {
public:
    TPointSeries();

    TSeriesPointer& Pointer() { return pointer_; }
    const TSeriesPointer& Pointer() const { return pointer_; }
    // Colour DefaultPointColor: the point colour.
    TChartPen& LinePen() { return linePen_; }
    const TChartPen& LinePen() const { return linePen_; }
    TChartPen AreaLinesPen{ChartColors::Black};
    TColor AreaColor = DefaultPointColor;
    bool DrawArea = false;
    bool Stairs = false;
    bool InvertedStairs = false;
    bool Dark3D = true;
    bool LineClickable = true;
    bool DrawBetweenPoints = true;
    // Raised by the hit test when the press falls on a marker.
    std::function<void(TPointSeries&, int valueIndex)> OnClickPointer;

    int PointAtPixel(int x, int y) const override;

private:
    TSeriesPointer pointer_;
    TChartPen linePen_{DefaultPointColor};
};

class TLineSeries : public TPointSeries {
public:
    TLineSeries() { DrawArea = false; }
};

class TAreaSeries : public TPointSeries {
public:
    TAreaSeries() { DrawArea = true; }
};
