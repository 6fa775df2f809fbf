#include "app/code_curve.h"

void PlotCodes(TSeries& series, std::span<const int32_t> values)
{
    if (series.PointCount() == 0) {
        series.SetIndexedPoints(values);
        return;
    }
    series.ReservePoints(series.PointCount() + int(values.size()));
    for (size_t i = 0; i < values.size(); ++i)
        series.AddPoint(double(i), values[i]);
}

void PlotCodes(TSeries& series, std::vector<int32_t>&& values)
{
    if (series.PointCount() == 0)
        series.SetIndexedPoints(std::move(values));
    else
        PlotCodes(series, std::span<const int32_t>(values));
}
