#pragma once
// The mouse on a chart as plain code: the click dispatch, zoom to a dragged
// rectangle and its undo, panning with the right button, the wheel. Positions
// are client pixels; everything works on the axes' scales of the last paint.
#include "chart/axis_panel.h"

#include <array>
#include <functional>

struct TDragRecord {
    bool Active = false;
    int X0 = 0, Y0 = 0; // press position
    int X1 = 0, Y1 = 0; // current position
};

struct TAxisState {
    bool Automatic = true, AutomaticMinimum = true, AutomaticMaximum = true;
    double Minimum = 0, Maximum = 0;
};

// The axes as they were before the first zoom or pan.
struct TAxisSnapshot {
    std::array<TAxisState, 4> Axes;
    bool ViewRestored = true;
};

enum class TPlotPart { None, Series, Axis, Background };

struct TClickedPart {
    TPlotPart Part = TPlotPart::None;
    TSeries* Series = nullptr;
    int ValueIndex = -1;
    TAxis* Axis = nullptr;
};

// Pixels a drag must exceed in both directions to zoom or undo.
constexpr int ZoomDragThreshold = 16;

class TPlotInteraction {
public:
    explicit TPlotInteraction(TAxisPanel& chart) : chart_(chart) {}

    // ---- events from the widget ----
    void MouseDown(TMouseButton button, TPressFlags shift, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(TMouseButton button, int x, int y);
    // One wheel notch; up is away from the user.
    void Wheel(bool up);

    // ---- the operations behind them ----
    TClickedPart FindClickedPart(int x, int y) const;
    void ZoomToRect(int x0, int y0, int x1, int y1);
    void UndoZoom();
    // Moves the view so that the value under (oldX, oldY) comes under (newX, newY).
    void PanBy(int oldX, int oldY, int newX, int newY);

    const TDragRecord& ZoomRecord() const { return zoom_; }
    const TDragRecord& PanRecord() const { return pan_; }
    const TAxisSnapshot& Snapshot() const { return snapshot_; }
    bool Zoomed() const { return zoomed_; }

    // Draws the zoom rectangle in NOT-XOR mode; drawing it twice erases it.
    std::function<void(const TDragRecord&)> OnDrawZoomRectangle;
    // Repaint at once (the wheel does not wait for the message loop).
    std::function<void()> OnRepaintNow;
    std::function<void()> OnZoom, OnUndoZoom, OnScroll;
    // May veto a pan step of one axis.
    std::function<bool(TAxis&, double newMinimum, double newMaximum)> OnAllowScroll;

private:
    void StartDrag(TMouseButton button, int x, int y);
    void SaveViewOnce();
    void DrawZoomRectangle();

    TAxisPanel& chart_;
    TDragRecord zoom_;
    TDragRecord pan_;
    TAxisSnapshot snapshot_;
    bool zoomed_ = false;
};

// The axis' click area: along its span, and across from 3 pixels outside the
// axis line to the label band.
bool AxisHit(const TAxis& axis, int x, int y);
