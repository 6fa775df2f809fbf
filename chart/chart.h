#pragma once
// The chart model: the series list, the four axes, the panel's look, and the
// repaint request the widget listens to. Plain C++; painting is elsewhere.
#include "chart/chart_axis.h"
#include "chart/chart_series.h"
#include "chart/chart_types.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

enum TPanningMode { panNone, panHorizontal, panVertical, panBoth };

struct TChartGradient {
    bool Visible = false;
    TColor StartColor = ChartColors::White;
    TColor EndColor = ChartColors::Yellow;
};

class TChart {
public:
    TChart();
    ~TChart();
    TChart(const TChart&) = delete;
    TChart& operator=(const TChart&) = delete;

    // ---- series (the chart keeps them; the window holds plain pointers) ----
    template <class S>
    S* AddSeries()
    {
        auto owned = std::make_unique<S>();
        S* s = owned.get();
        AddSeries(std::move(owned));
        return s;
    }
    TChartSeries* AddSeries(std::unique_ptr<TChartSeries> series);
    int SeriesTotal() const { return int(series_.size()); }
    // List-index error outside 0..SeriesTotal()-1.
    TChartSeries* SeriesAt(int index) const;
    bool AnyActiveSeries() const;

    // ---- axes, listed bottom, top, left, right ----
    TChartAxis& BottomAxis() { return axes_[0]; }
    TChartAxis& TopAxis() { return axes_[1]; }
    TChartAxis& LeftAxis() { return axes_[2]; }
    TChartAxis& RightAxis() { return axes_[3]; }
    const TChartAxis& BottomAxis() const { return axes_[0]; }
    const TChartAxis& TopAxis() const { return axes_[1]; }
    const TChartAxis& LeftAxis() const { return axes_[2]; }
    const TChartAxis& RightAxis() const { return axes_[3]; }
    std::array<TChartAxis, 4>& Axes() { return axes_; }
    const std::array<TChartAxis, 4>& Axes() const { return axes_; }
    // An axis is shown when visible and used by an active series (or when no
    // series is active at all).
    bool AxisShown(const TChartAxis& axis) const;

    // ---- panel ----
    TColor Color = 0xf0f0f0;
    TChartGradient Gradient;
    int MarginLeft = 3, MarginTop = 4, MarginRight = 3, MarginBottom = 4; // percent
    bool ClipPoints = true;
    bool AllowZoom = true;
    TPanningMode AllowPanning = panBoth;

    // ---- repaint ----
    // While off, changes do not ask for a repaint.
    bool AutoRepaint = true;
    // Marks the picture stale and tells the listener once until it repaints,
    // so a burst of additions costs one notification and one paint.
    void RequestRepaint();
    bool RepaintPending() const { return repaintPending_; }
    // The listener calls this when it has drawn the current state.
    void RepaintDone() { repaintPending_ = false; }
    std::function<void()> OnRepaintRequest;

    // ---- mouse ----
    bool PressConsumed = false;
    // The plot rectangle of the last layout.
    TPixelRect PlotRect;

private:
    std::vector<std::unique_ptr<TChartSeries>> series_;
    std::array<TChartAxis, 4> axes_{TChartAxis(TAxisKind::Bottom), TChartAxis(TAxisKind::Top),
                                    TChartAxis(TAxisKind::Left), TChartAxis(TAxisKind::Right)};
    bool repaintPending_ = false;
};
