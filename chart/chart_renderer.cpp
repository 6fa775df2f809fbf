#include "chart/chart_renderer.h"

void RenderChart(QImage& image, TChart& chart, const TTextMeasure&, TSeriesDrawing)
{
    const TColor c = chart.Color;
    image.fill(qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
}
