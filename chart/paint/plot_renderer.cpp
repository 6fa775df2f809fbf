#include "chart/paint/plot_renderer.h"

#include "chart/paint/axis_renderer.h"
#include "chart/plot_layout.h"
#include "chart/paint/gradient_fill.h"
#include "chart/paint/series_renderer.h"

#include <QPainter>

TPlotLayout PaintPlot(QImage& image, TAxisPanel& chart, const TTextMeasure& measure, TSeriesDrawing drawing)
{
    const TPlotLayout layout = LayoutPlot(chart, measure, image.width(), image.height());
    if (chart.Gradient.Visible) {
        FillGradient(image, layout.Bounds, chart.Gradient.StartColor, chart.Gradient.EndColor);
    } else {
        const TColor c = chart.Color;
        image.fill(qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
    }
    // The back wall of these charts has a clear brush and no pen: the
    // gradient shows through the plot.
    {
        QPainter p(&image);
        for (size_t k = 0; k < 4; ++k)
            if (chart.Axes()[k].Shown)
                DrawAxis(p, chart.Axes()[k], layout.Axes[k], layout.PlotRect);
    }
    DrawSeries(image, chart, chart.ClipPoints ? layout.PlotRect : layout.Bounds, drawing);
    return layout;
}
