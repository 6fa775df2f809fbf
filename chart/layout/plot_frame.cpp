#include "chart/layout/plot_frame.h"

#include "chart/model/series.h"

TPixelPoint TSeriesFrame::PixelOf(const TSeries& series, int index) const
{
    return {AxisValueToPixel(Horizontal, series.XValueAt(index)),
            AxisValueToPixel(Vertical, series.YValueAt(index))};
}

const TSeriesFrame& TPlotFrame::SeriesAt(int index) const
{
    static const TSeriesFrame nothingShown;
    if (index < 0 || index >= int(Series.size()))
        return nothingShown;
    return Series[size_t(index)];
}
