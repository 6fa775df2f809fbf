#pragma once
// Small value types shared by the chart model, its layout and its renderer.
// Colours are Windows colour values 0x00BBGGRR; the renderer converts them.
#include <cstdint>
#include <functional>
#include <string>

using TColor = uint32_t;

// Stored with a point, it means "use the series colour".
constexpr TColor DefaultPointColor = 0x20000000;

constexpr TColor RgbColor(int r, int g, int b) { return TColor(r) | TColor(g) << 8 | TColor(b) << 16; }
constexpr int RedOf(TColor c) { return int(c & 0xff); }
constexpr int GreenOf(TColor c) { return int(c >> 8 & 0xff); }
constexpr int BlueOf(TColor c) { return int(c >> 16 & 0xff); }

namespace ChartColors {
constexpr TColor Black = 0x000000;
constexpr TColor White = 0xffffff;
constexpr TColor Gray = 0x808080;
constexpr TColor Silver = 0xc0c0c0;
constexpr TColor Red = 0x0000ff;
constexpr TColor Blue = 0xff0000;
constexpr TColor Yellow = 0x00ffff;
constexpr TColor Lime = 0x00ff00;
constexpr TColor Aqua = 0xffff00;
constexpr TColor Green = 0x008000;
constexpr TColor Teal = 0x808000;
constexpr TColor Olive = 0x008080;
} // namespace ChartColors

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

// Integer rectangle in client pixels; Right and Bottom are the last pixel
// column and row that belong to it.
struct TPixelRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TPixelRect&) const = default;
};

// A pen whose changes ask the owner for a repaint.
class TChartPen {
public:
    TChartPen(TColor color = ChartColors::Black, TPenStyle style = psSolid, int width = 1)
        : color_(color), style_(style), width_(width) {}

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; Changed(); }
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; Changed(); }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle s) { style_ = s; Changed(); }
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; Changed(); }
    // On a one-pixel pen: every second pixel set, in place of the style.
    bool SmallDots() const { return smallDots_; }
    void SetSmallDots(bool v) { smallDots_ = v; Changed(); }
    // Drawn at all: visible and not of the clear style.
    bool Draws() const { return visible_ && style_ != psClear; }

    std::function<void()> OnChange;

private:
    void Changed() { if (OnChange) OnChange(); }
    bool visible_ = true;
    TColor color_;
    TPenStyle style_;
    int width_;
    bool smallDots_ = false;
};

// Fonts are named as installed on this platform ("Liberation Sans" stands in
// for "Arial"); sizes are pixel heights.
struct TChartFont {
    std::string Name = "Liberation Sans";
    int PixelSize = 11;
    bool Bold = false;
    TColor Color = ChartColors::Black;
};
