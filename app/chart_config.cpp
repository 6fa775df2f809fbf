#include "app/chart_config.h"

#include "chart/chart_series.h"
#include "chart/chart_widget.h"

DataChartSeries ConfigureDataChart(TChartWidget& ChartF)
{
    TChart& c = ChartF.Chart();
    return {c.AddSeries<TLineSeries>(), c.AddSeries<TLineSeries>(), c.AddSeries<TLineSeries>()};
}

TAreaSeries* ConfigureSpectrumChart(TChartWidget& ChartSpectr)
{
    return ChartSpectr.Chart().AddSeries<TAreaSeries>();
}
