#pragma once
// A curve of integer values drawn at x = 0, 1, 2, ...: data codes, pattern
// codes, correlation percentages.
#include "chart/model/series.h"

#include <cstdint>
#include <span>
#include <vector>

void PlotCodes(TSeries& series, std::span<const int32_t> values);
// The same for values the caller no longer needs: an empty series takes
// their storage instead of a copy.
void PlotCodes(TSeries& series, std::vector<int32_t>&& values);
