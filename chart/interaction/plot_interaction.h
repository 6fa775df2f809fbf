#pragma once
// The mouse on a chart as plain code: the click dispatch, zoom to a dragged
// rectangle and its undo, panning with the right button, the wheel. Positions
// are client pixels, read through the frame of the last paint; the drags and
// the saved view are kept in the panel.
#include "chart/layout/plot_frame.h"
#include "chart/model/axis_panel.h"

#include <functional>

// Logical pixels a drag must exceed in both directions to zoom or undo.
constexpr int ZoomDragThreshold = 16;
// Wheel turns come in eighths of a degree; one notch is 15 degrees.
constexpr int WheelNotch = 120;

class TPlotInteraction {
public:
    explicit TPlotInteraction(TAxisPanel& panel) : panel_(panel) { }

    // ---- events from the widget ----
    // The click dispatch: raises the clicked series' OnClick, or starts a drag.
    void MouseDown(const TPlotFrame& frame, TPressButton button, TPressFlags flags, int x, int y);
    void MouseMove(const TPlotFrame& frame, int x, int y);
    void MouseUp(const TPlotFrame& frame, TPressButton button, int x, int y);
    // A wheel turn, positive away from the user. High-resolution wheels and
    // touchpads send parts of a notch: they add up, each whole notch scrolls
    // once and the rest waits for the next turn.
    void Wheel(int angleDelta);

    // ---- the operations behind them ----
    void ZoomToRect(const TPlotFrame& frame, int x0, int y0, int x1, int y1);
    void UndoZoom();
    // Moves the view so that the value under (oldX, oldY) comes under (newX, newY).
    void PanBy(const TPlotFrame& frame, int oldX, int oldY, int newX, int newY);

    // Draws the zoom rectangle in NOT-XOR mode; drawing it twice erases it.
    std::function<void(const TDragRecord&)> OnDrawZoomRectangle;
    // Repaint at once (the wheel does not wait for the message loop).
    std::function<void()> OnRepaintNow;
    // A right click: the right button released where it was pressed, the mouse
    // never moved meanwhile (any move would have panned). At the release position.
    std::function<void(int x, int y)> OnRightClick;

private:
    void StartDrag(TPressButton button, int x, int y);
    void SaveViewOnce();
    void DrawZoomRectangle();
    void ScrollNotch(bool up);

    TAxisPanel& panel_;
    // The right press while it may still become a click.
    TDragRecord rightPress_;
    int wheelRemainder_ = 0;
};
