#pragma once
// The look and series of the window's two charts, as laid out at design time.
class TAreaSeries;
class TChartWidget;
class TLineSeries;

struct DataChartSeries {
    TLineSeries* Series2; // data codes, bottom/left
    TLineSeries* Series3; // correlation, bottom/right (hidden axis)
    TLineSeries* Series4; // pattern codes, bottom/left
};

// Both create their series in layout order; the chart keeps them.
DataChartSeries ConfigureDataChart(TChartWidget& ChartF);
TAreaSeries* ConfigureSpectrumChart(TChartWidget& ChartSpectr);
