#pragma once
// The pen of axis lines, ticks, grids, curves and marker rims.
#include "chart/model/color.h"

#include <functional>

enum TLineStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

// A pen whose changes ask the owner for a repaint.
class TPlotPen {
public:
    TPlotPen(TWindowsColor color = Colors::Black, TLineStyle style = psSolid, int width = 1)
            : color_(color), style_(style), width_(width)
    {
    }

    bool Visible() const { return visible_; }
    void SetVisible(bool v)
    {
        visible_ = v;
        Changed();
    }
    TWindowsColor Color() const { return color_; }
    void SetColor(TWindowsColor c)
    {
        color_ = c;
        Changed();
    }
    TLineStyle Style() const { return style_; }
    void SetStyle(TLineStyle s)
    {
        style_ = s;
        Changed();
    }
    int Width() const { return width_; }
    // On a one-pixel pen: every second pixel set, in place of the style.
    bool SmallDots() const { return smallDots_; }
    void SetSmallDots(bool v)
    {
        smallDots_ = v;
        Changed();
    }
    // Drawn at all: visible and not of the clear style.
    bool Draws() const { return visible_ && style_ != psClear; }

    std::function<void()> OnChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }
    bool visible_ = true;
    TWindowsColor color_;
    TLineStyle style_;
    int width_;
    bool smallDots_ = false;
};
