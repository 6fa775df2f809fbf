#include "app/code_curve.h"

void PlotCodes(TSeries& series, std::span<const int32_t> values)
{
    for (size_t i = 0; i < values.size(); ++i)
        series.AddPoint(double(i), values[i]);
}
