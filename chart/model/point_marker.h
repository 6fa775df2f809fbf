#pragma once
// The point marker of line and area series.
#include "chart/model/color.h"
#include "chart/model/plot_pen.h"

#include <functional>

enum TMarkerStyle { markRectangle, markCircle };

class TPointMarker {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool v)
    {
        visible_ = v;
        if (OnChange)
            OnChange();
    }
    TMarkerStyle Style = markRectangle;
    int HorizSize = 4;
    int VertSize = 4;
    bool InflateMargins = true;
    TWindowsColor BrushColor = DefaultPointColor; // DefaultPointColor: the point colour
    TPlotPen Pen{Colors::Black};
    std::function<void()> OnChange;

private:
    bool visible_ = false;
};
