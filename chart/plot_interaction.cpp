#include "chart/plot_interaction.h"

#include <algorithm>
#include <cstdlib>

bool AxisHit(const TAxis& axis, int x, int y)
{
    const int along = axis.Horizontal() ? x : y;
    const int across = axis.Horizontal() ? y : x;
    if (along < axis.Scale.Start || along > axis.Scale.End)
        return false;
    // "Outside" is away from the plot, the label band starts past the ticks.
    const int outside = axis.Outward(3);
    const int labels = axis.Outward(axis.TickBand);
    return across >= std::min(outside, labels) && across <= std::max(outside, labels);
}

TClickedPart TPlotInteraction::FindClickedPart(int x, int y) const
{
    TClickedPart part;
    for (int i = chart_.SeriesTotal() - 1; i >= 0; --i) {
        TSeries* s = chart_.SeriesAt(i);
        if (!s->Active())
            continue;
        const int index = s->PointAtPixel(x, y);
        if (index != -1) {
            part.Part = TPlotPart::Series;
            part.Series = s;
            part.ValueIndex = index;
            return part;
        }
    }
    for (TAxis& a : chart_.Axes()) {
        if (a.Shown && AxisHit(a, x, y)) {
            part.Part = TPlotPart::Axis;
            part.Axis = &a;
            return part;
        }
    }
    if (chart_.AnyActiveSeries() && chart_.PlotRect.Contains(x, y))
        part.Part = TPlotPart::Background;
    return part;
}

void TPlotInteraction::MouseDown(TMouseButton button, TPressFlags shift, int x, int y)
{
    if (zoom_.Active || pan_.Active)
        return;
    if (chart_.PressConsumed) {
        chart_.PressConsumed = false;
        return;
    }
    const TClickedPart part = FindClickedPart(x, y);
    switch (part.Part) {
    case TPlotPart::Series: {
        TSeries& s = *part.Series;
        chart_.PressConsumed = false;
        if ((shift & pressDouble) && s.OnDblClick) {
            chart_.PressConsumed = true;
            s.OnDblClick(s, part.ValueIndex, button, shift, x, y);
        } else if (s.OnClick) {
            chart_.PressConsumed = true;
            s.OnClick(s, part.ValueIndex, button, shift, x, y);
        }
        if (!chart_.PressConsumed)
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
    chart_.PressConsumed = false;
}

void TPlotInteraction::StartDrag(TMouseButton button, int x, int y)
{
    if (chart_.AllowZoom && button == TMouseButton::Left) {
        zoom_ = {true, x, y, x, y};
        DrawZoomRectangle();
    } else if (chart_.AllowPanning != panNone && button == TMouseButton::Right) {
        pan_ = {true, x, y, x, y};
    }
}

void TPlotInteraction::DrawZoomRectangle()
{
    if (OnDrawZoomRectangle)
        OnDrawZoomRectangle(zoom_);
}

void TPlotInteraction::MouseMove(int x, int y)
{
    if (zoom_.Active) {
        if (x != zoom_.X1 || y != zoom_.Y1) {
            DrawZoomRectangle();
            zoom_.X1 = x;
            zoom_.Y1 = y;
            DrawZoomRectangle();
        }
        return;
    }
    if (pan_.Active) {
        if (!chart_.PlotRect.Contains(x, y)) {
            pan_.Active = false;
            return;
        }
        if (x == pan_.X1 && y == pan_.Y1)
            return;
        PanBy(pan_.X1, pan_.Y1, x, y);
        pan_.X1 = x;
        pan_.Y1 = y;
    }
}

void TPlotInteraction::MouseUp(TMouseButton button, int x, int y)
{
    if (zoom_.Active && button == TMouseButton::Left) {
        zoom_.Active = false;
        DrawZoomRectangle();
        zoom_.X1 = x;
        zoom_.Y1 = y;
        if (std::abs(zoom_.X1 - zoom_.X0) > ZoomDragThreshold && std::abs(zoom_.Y1 - zoom_.Y0) > ZoomDragThreshold) {
            if (zoom_.X1 > zoom_.X0 && zoom_.Y1 > zoom_.Y0)
                ZoomToRect(zoom_.X0, zoom_.Y0, zoom_.X1, zoom_.Y1);
            else
                UndoZoom();
            chart_.RequestRepaint();
        }
    }
    pan_.Active = false;
}

void TPlotInteraction::SaveViewOnce()
{
    if (!snapshot_.ViewRestored)
        return;
    for (size_t i = 0; i < 4; ++i) {
        const TAxis& a = chart_.Axes()[i];
        snapshot_.Axes[i] = {a.Automatic(), a.AutomaticMinimum(), a.AutomaticMaximum(), a.Minimum(), a.Maximum()};
    }
    snapshot_.ViewRestored = false;
}

void TPlotInteraction::ZoomToRect(int x0, int y0, int x1, int y1)
{
    if (x0 > x1)
        std::swap(x0, x1);
    if (y0 > y1)
        std::swap(y0, y1);
    // Pixels to values first, all on the scales of the last paint.
    const double topMin = AxisPixelToValue(chart_.TopAxis().Scale, x0);
    const double topMax = AxisPixelToValue(chart_.TopAxis().Scale, x1);
    const double bottomMin = AxisPixelToValue(chart_.BottomAxis().Scale, x0);
    const double bottomMax = AxisPixelToValue(chart_.BottomAxis().Scale, x1);
    const double leftMin = AxisPixelToValue(chart_.LeftAxis().Scale, y1);
    const double leftMax = AxisPixelToValue(chart_.LeftAxis().Scale, y0);
    const double rightMin = AxisPixelToValue(chart_.RightAxis().Scale, y1);
    const double rightMax = AxisPixelToValue(chart_.RightAxis().Scale, y0);
    SaveViewOnce();
    chart_.LeftAxis().SetMinMax(leftMin, leftMax);
    chart_.RightAxis().SetMinMax(rightMin, rightMax);
    chart_.TopAxis().SetMinMax(topMin, topMax);
    chart_.BottomAxis().SetMinMax(bottomMin, bottomMax);
    zoomed_ = true;
    if (OnZoom)
        OnZoom();
}

void TPlotInteraction::UndoZoom()
{
    if (!snapshot_.ViewRestored) {
        for (size_t i = 0; i < 4; ++i) {
            TAxis& a = chart_.Axes()[i];
            const TAxisState& s = snapshot_.Axes[i];
            a.SetAutomatic(s.Automatic);
            a.SetAutomaticMinimum(s.AutomaticMinimum);
            a.SetAutomaticMaximum(s.AutomaticMaximum);
            if (!s.Automatic) {
                // Restores the flags the setter clears, after the range.
                a.SetMinMax(s.Minimum, s.Maximum);
                a.SetAutomaticMinimum(s.AutomaticMinimum);
                a.SetAutomaticMaximum(s.AutomaticMaximum);
            }
        }
        snapshot_.ViewRestored = true;
    }
    if (OnUndoZoom)
        OnUndoZoom();
    chart_.RequestRepaint();
    zoomed_ = false;
}

void TPlotInteraction::PanBy(int oldX, int oldY, int newX, int newY)
{
    SaveViewOnce();
    bool moved = false;
    auto panAxis = [&](TAxis& a, int oldP, int newP) {
        const long double delta = (long double)AxisPixelToValue(a.Scale, oldP) - AxisPixelToValue(a.Scale, newP);
        const double lo = double(a.Minimum() + delta), hi = double(a.Maximum() + delta);
        if (OnAllowScroll && !OnAllowScroll(a, lo, hi))
            return;
        a.SetMinMax(lo, hi);
        moved = true;
    };
    const TPanDirections mode = chart_.AllowPanning;
    if ((mode == panHorizontal || mode == panBoth) && oldX != newX) {
        panAxis(chart_.TopAxis(), oldX, newX);
        panAxis(chart_.BottomAxis(), oldX, newX);
    }
    if ((mode == panVertical || mode == panBoth) && oldY != newY) {
        panAxis(chart_.LeftAxis(), oldY, newY);
        panAxis(chart_.RightAxis(), oldY, newY);
    }
    if (moved) {
        if (OnScroll)
            OnScroll();
        chart_.RequestRepaint();
    }
}

void TPlotInteraction::Wheel(bool up)
{
    for (TAxis* a : {&chart_.LeftAxis(), &chart_.RightAxis()}) {
        // 3 percent of the current range per notch; down moves the range up.
        const long double s = ((long double)a->Maximum() - a->Minimum()) * 3 * 0.01L;
        const long double shift = up ? -s : s;
        a->SetAutomatic(false);
        a->StoreRange(double(a->Minimum() + shift), double(a->Maximum() + shift));
    }
    chart_.RequestRepaint();
    if (OnRepaintNow)
        OnRepaintNow();
}
