#pragma once
// A curve of integer values drawn at x = 0, 1, 2, ...: data codes, pattern
// codes, correlation percentages.
#include "chart/model/series.h"

#include <cstdint>
#include <span>

void PlotCodes(TSeries& series, std::span<const int32_t> values);
