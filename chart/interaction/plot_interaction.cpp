#include "chart/interaction/plot_interaction.h"

#include "chart/interaction/clicked_part.h"

#include <algorithm>
#include <cstdlib>

void TPlotInteraction::MouseDown(const TPlotFrame& frame, TPressButton button, TPressFlags flags, int x,
                                 int y)
{
    if (panel_.ZoomRecord.Active || panel_.PanRecord.Active)
        return;
    if (button == TPressButton::Right)
        rightPress_ = {true, x, y, x, y};
    if (panel_.PressConsumed) {
        panel_.PressConsumed = false;
        return;
    }
    const TClickedPart part = FindClickedPart(panel_, frame, x, y);
    switch (part.Part) {
    case TPlotPart::Series: {
        TSeries& s = *panel_.SeriesAt(part.SeriesIndex);
        panel_.PressConsumed = false;
        if (s.OnClick) {
            panel_.PressConsumed = true;
            s.OnClick(s, part.ValueIndex, button, flags, x, y);
        }
        if (!panel_.PressConsumed)
            StartDrag(button, x, y);
        break;
    }
    case TPlotPart::Axis:
    case TPlotPart::Background:
        // No chart-level click events exist here, so nothing cancels the drag.
        StartDrag(button, x, y);
        break;
    case TPlotPart::None:
        break;
    }
    panel_.PressConsumed = false;
}

void TPlotInteraction::StartDrag(TPressButton button, int x, int y)
{
    if (panel_.AllowZoom && button == TPressButton::Left) {
        panel_.ZoomRecord = {true, x, y, x, y};
        DrawZoomRectangle();
    } else if (panel_.AllowPanning != panNone && button == TPressButton::Right) {
        panel_.PanRecord = {true, x, y, x, y};
    }
}

void TPlotInteraction::DrawZoomRectangle()
{
    if (OnDrawZoomRectangle)
        OnDrawZoomRectangle(panel_.ZoomRecord);
}

void TPlotInteraction::MouseMove(const TPlotFrame& frame, int x, int y)
{
    // The pan moves on any change of pixel, so any change is no click.
    if (rightPress_.Active && (x != rightPress_.X0 || y != rightPress_.Y0))
        rightPress_.Active = false;
    TDragRecord& zoom = panel_.ZoomRecord;
    if (zoom.Active) {
        if (x != zoom.X1 || y != zoom.Y1) {
            DrawZoomRectangle();
            zoom.X1 = x;
            zoom.Y1 = y;
            DrawZoomRectangle();
        }
        return;
    }
    TDragRecord& pan = panel_.PanRecord;
    if (pan.Active) {
        if (!frame.PlotRect.Contains(x, y)) {
            pan.Active = false;
            return;
        }
        if (x == pan.X1 && y == pan.Y1)
            return;
        PanBy(frame, pan.X1, pan.Y1, x, y);
        pan.X1 = x;
        pan.Y1 = y;
    }
}

void TPlotInteraction::MouseUp(const TPlotFrame& frame, TPressButton button, int x, int y)
{
    TDragRecord& zoom = panel_.ZoomRecord;
    if (zoom.Active && button == TPressButton::Left) {
        zoom.Active = false;
        DrawZoomRectangle();
        zoom.X1 = x;
        zoom.Y1 = y;
        const int threshold = frame.Device.Of(ZoomDragThreshold);
        if (std::abs(zoom.X1 - zoom.X0) > threshold && std::abs(zoom.Y1 - zoom.Y0) > threshold) {
            if (zoom.X1 > zoom.X0 && zoom.Y1 > zoom.Y0)
                ZoomToRect(frame, zoom.X0, zoom.Y0, zoom.X1, zoom.Y1);
            else
                UndoZoom();
            panel_.RequestRepaint();
        }
    }
    panel_.PanRecord.Active = false;
    if (button == TPressButton::Right && rightPress_.Active) {
        rightPress_.Active = false;
        if (x == rightPress_.X0 && y == rightPress_.Y0 && OnRightClick)
            OnRightClick(x, y);
    }
}

void TPlotInteraction::SaveViewOnce()
{
    if (!panel_.AxisSnapshot.ViewRestored)
        return;
    for (size_t i = 0; i < 4; ++i) {
        const TAxis& a = panel_.Axes()[i];
        panel_.AxisSnapshot.Axes[i] = {a.Automatic(), a.AutomaticMinimum(), a.AutomaticMaximum(), a.Minimum(),
                                       a.Maximum()};
    }
    panel_.AxisSnapshot.ViewRestored = false;
}

void TPlotInteraction::ZoomToRect(const TPlotFrame& frame, int x0, int y0, int x1, int y1)
{
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    // Pixels to values first, all on the scales of the frame.
    auto value = [&](const TAxis& a, int p) { return AxisPixelToValue(frame.AxisFrame(a).Scale, p); };
    const double topMin = value(panel_.TopAxis(), x0), topMax = value(panel_.TopAxis(), x1);
    const double bottomMin = value(panel_.BottomAxis(), x0), bottomMax = value(panel_.BottomAxis(), x1);
    const double leftMin = value(panel_.LeftAxis(), y1), leftMax = value(panel_.LeftAxis(), y0);
    const double rightMin = value(panel_.RightAxis(), y1), rightMax = value(panel_.RightAxis(), y0);
    SaveViewOnce();
    panel_.LeftAxis().SetBothEnds(leftMin, leftMax);
    panel_.RightAxis().SetBothEnds(rightMin, rightMax);
    panel_.TopAxis().SetBothEnds(topMin, topMax);
    panel_.BottomAxis().SetBothEnds(bottomMin, bottomMax);
}

void TPlotInteraction::UndoZoom()
{
    if (!panel_.AxisSnapshot.ViewRestored) {
        for (size_t i = 0; i < 4; ++i) {
            TAxis& a = panel_.Axes()[i];
            const TAxisState& s = panel_.AxisSnapshot.Axes[i];
            a.SetAutomatic(s.Automatic);
            a.SetAutomaticMinimum(s.AutomaticMinimum);
            a.SetAutomaticMaximum(s.AutomaticMaximum);
            if (!s.Automatic) {
                // Restores the flags the setter clears, after the range.
                a.SetBothEnds(s.Minimum, s.Maximum);
                a.SetAutomaticMinimum(s.AutomaticMinimum);
                a.SetAutomaticMaximum(s.AutomaticMaximum);
            }
        }
        panel_.AxisSnapshot.ViewRestored = true;
    }
    panel_.RequestRepaint();
}

void TPlotInteraction::PanBy(const TPlotFrame& frame, int oldX, int oldY, int newX, int newY)
{
    SaveViewOnce();
    // Setting both ends asks for the repaint.
    auto panAxis = [&](TAxis& a, int oldP, int newP) {
        const TAxisScale& scale = frame.AxisFrame(a).Scale;
        const long double delta = (long double)AxisPixelToValue(scale, oldP) - AxisPixelToValue(scale, newP);
        a.SetBothEnds(double(a.Minimum() + delta), double(a.Maximum() + delta));
    };
    const TPanDirections mode = panel_.AllowPanning;
    if ((mode == panHorizontal || mode == panBoth) && oldX != newX) {
        panAxis(panel_.TopAxis(), oldX, newX);
        panAxis(panel_.BottomAxis(), oldX, newX);
    }
    if ((mode == panVertical || mode == panBoth) && oldY != newY) {
        panAxis(panel_.LeftAxis(), oldY, newY);
        panAxis(panel_.RightAxis(), oldY, newY);
    }
}

void TPlotInteraction::Wheel(int angleDelta)
{
    wheelRemainder_ += angleDelta;
    for (; wheelRemainder_ >= WheelNotch; wheelRemainder_ -= WheelNotch)
        ScrollNotch(true);
    for (; wheelRemainder_ <= -WheelNotch; wheelRemainder_ += WheelNotch)
        ScrollNotch(false);
}

void TPlotInteraction::ScrollNotch(bool up)
{
    for (TAxis* a : {&panel_.LeftAxis(), &panel_.RightAxis()}) {
        // 3 percent of the current range per notch; down moves the range up.
        const long double s = ((long double)a->Maximum() - a->Minimum()) * 3 * 0.01L;
        const long double shift = up ? -s : s;
        a->SetAutomatic(false);
        a->StoreRange(double(a->Minimum() + shift), double(a->Maximum() + shift));
    }
    panel_.RequestRepaint();
    if (OnRepaintNow)
        OnRepaintNow();
}
