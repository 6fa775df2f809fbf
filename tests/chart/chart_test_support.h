#pragma once
// Helpers shared by the chart tests.
#include "chart/layout/plot_layout.h"
#include "chart/layout/point_series.h"
#include "chart/layout/text_measure.h"
#include "chart/model/automatic_range.h"
#include "chart/model/axis_panel.h"

#include <string_view>
#include <utility>

// Metrics that do not depend on installed fonts: every character is 8 pixels
// wide, a font is as high as its pixel size.
class TFixedMeasure : public TTextMeasure {
public:
    explicit TFixedMeasure(int charWidth = 8) : charWidth_(charWidth) { }
    int TextWidth(const TPlotFont&, std::string_view text) const override
    {
        return int(text.size()) * charWidth_;
    }
    int FontHeight(const TPlotFont& font) const override { return font.PixelSize; }

private:
    int charWidth_;
};

// What a paint does before drawing: the automatic ranges, then the frame.
inline TPlotFrame LayOut(TAxisPanel& panel, const TTextMeasure& measure, int width, int height,
                         TDeviceScale device = {})
{
    RefreshAutomaticRanges(panel);
    return LayoutPlot(panel, measure, width, height, device);
}

// An axis's range, compared whole.
inline std::pair<double, double> Ends(const TAxis& axis) { return {axis.Minimum(), axis.Maximum()}; }

// A line series with markers of the window's size.
inline TLineSeries* AddDotSeries(TAxisPanel& chart, TWindowsColor color, TWindowsColor brush)
{
    TLineSeries* s = chart.AddSeries<TLineSeries>();
    s->SetSeriesColor(color);
    s->Pointer().Style = markCircle;
    s->Pointer().HorizSize = s->Pointer().VertSize = 2;
    s->Pointer().BrushColor = brush;
    s->Pointer().SetVisible(true);
    return s;
}
