#include "chart/paint/plot_renderer.h"

#include "chart/paint/axis_renderer.h"
#include "chart/paint/gradient_fill.h"
#include "chart/paint/qt_color.h"

#include <QPainter>

void PaintPlot(QImage& image, const TAxisPanel& panel, const TPlotFrame& frame, TSeriesDrawing drawing,
               TPlanCache* plans)
{
    if (panel.Gradient.Visible) {
        FillGradient(image, frame.Bounds, panel.Gradient.StartColor, panel.Gradient.EndColor);
    } else {
        image.fill(ToQRgb(panel.Color));
    }
    // The back wall of these charts has a clear brush and no pen: the
    // gradient shows through the plot.
    {
        QPainter p(&image);
        for (const TAxis& a : panel.Axes())
            if (frame.AxisFrame(a).Shown)
                DrawAxis(p, a, frame.AxisFrame(a), frame.PlotRect, frame.Device);
    }
    DrawSeries(image, panel, frame, panel.ClipPoints ? frame.PlotRect : frame.Bounds, drawing, plans);
}
