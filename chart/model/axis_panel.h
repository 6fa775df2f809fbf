#pragma once
// The chart model: the series list, the four axes, the panel's look, the
// repaint request the widget listens to, and what the mouse remembers between
// events. Plain C++; painting is elsewhere.
#include "chart/model/axis.h"
#include "chart/model/color.h"
#include "chart/model/mouse_records.h"
#include "chart/model/series.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

enum TPanDirections { panNone, panHorizontal, panVertical, panBoth };

struct TPlotGradient {
    bool Visible = false;
    TWindowsColor StartColor = Colors::White;
    TWindowsColor EndColor = Colors::Yellow;
};

class TAxisPanel {
public:
    TAxisPanel();
    ~TAxisPanel();
    TAxisPanel(const TAxisPanel&) = delete;
    TAxisPanel& operator=(const TAxisPanel&) = delete;

    // ---- series (the chart keeps them; the window holds plain pointers) ----
    template <class S>
    S* AddSeries()
    {
        auto owned = std::make_unique<S>();
        S* s = owned.get();
        AddSeries(std::move(owned));
        return s;
    }
    TSeries* AddSeries(std::unique_ptr<TSeries> series);
    int SeriesTotal() const { return int(series_.size()); }
    // List-index error outside 0..SeriesTotal()-1.
    TSeries* SeriesAt(int index);
    const TSeries* SeriesAt(int index) const;
    bool AnyActiveSeries() const;

    // ---- axes, listed bottom, top, left, right (the order of TAxisKind) ----
    TAxis& BottomAxis() { return axes_[0]; }
    TAxis& TopAxis() { return axes_[1]; }
    TAxis& LeftAxis() { return axes_[2]; }
    TAxis& RightAxis() { return axes_[3]; }
    const TAxis& BottomAxis() const { return axes_[0]; }
    const TAxis& TopAxis() const { return axes_[1]; }
    const TAxis& LeftAxis() const { return axes_[2]; }
    const TAxis& RightAxis() const { return axes_[3]; }
    std::array<TAxis, 4>& Axes() { return axes_; }
    const std::array<TAxis, 4>& Axes() const { return axes_; }
    // An axis is shown when visible and used by an active series (or when no
    // series is active at all).
    bool AxisShown(const TAxis& axis) const;

    // ---- panel ----
    TWindowsColor Color = 0xf0f0f0;
    TPlotGradient Gradient;
    int MarginLeft = 3, MarginTop = 4, MarginRight = 3, MarginBottom = 4; // percent
    bool ClipPoints = true;
    bool AllowZoom = true;
    TPanDirections AllowPanning = panBoth;

    // ---- repaint ----
    // While off, changes do not ask for a repaint.
    bool RepaintOnChange = true;
    // Marks the picture stale and tells the listener once until it repaints,
    // so a burst of additions costs one notification and one paint.
    void RequestRepaint();
    bool RepaintPending() const { return repaintPending_; }
    // The listener calls this when it has drawn the current state.
    void RepaintDone() { repaintPending_ = false; }
    std::function<void()> OnRepaintRequest;

    // ---- mouse ----
    // Set while a click handler consumes the current press.
    bool PressConsumed = false;
    TDragRecord ZoomRecord;
    TDragRecord PanRecord;
    TAxisSnapshot AxisSnapshot;

private:
    void CheckSeriesIndex(int index) const;

    std::vector<std::unique_ptr<TSeries>> series_;
    std::array<TAxis, 4> axes_{TAxis(TAxisKind::Bottom), TAxis(TAxisKind::Top), TAxis(TAxisKind::Left),
                               TAxis(TAxisKind::Right)};
    bool repaintPending_ = false;
};
