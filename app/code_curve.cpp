#include "app/code_curve.h"

void PlotCodes(TSeries& series, std::span<const int32_t> values)
{
    series.ReservePoints(series.PointCount() + int(values.size()));
    for (size_t i = 0; i < values.size(); ++i)
        series.AddPoint(double(i), values[i]);
}
