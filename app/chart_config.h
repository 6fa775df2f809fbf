#pragma once
// The look and series of the window's two charts, as laid out at design time.
class TAreaSeries;
class TPlot;
class TLineSeries;

struct DataChartSeries {
    TLineSeries* Series2; // data codes, bottom/left
    TLineSeries* Series3; // correlation, bottom/right (hidden axis)
    TLineSeries* Series4; // pattern codes, bottom/left
};

// Both create their series in layout order; the chart keeps them.
DataChartSeries ConfigureDataChart(TPlot& ChartF);
TAreaSeries* ConfigureSpectrumChart(TPlot& ChartSpectr);
