#pragma once
// A curve of integer values drawn at x = 0, 1, 2, ...: data codes, pattern
// codes, correlation percentages.
#include <cstdint>
#include <span>

class TChartSeries;

void PlotCodes(TChartSeries& series, std::span<const int32_t> values);
