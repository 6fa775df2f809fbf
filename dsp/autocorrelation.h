#pragma once
// The autocorrelation: the pattern is a window of the data codes themselves.
#include "runtime/progress.h"

#include <cstdint>
#include <span>
#include <vector>

struct TAutoWindow {
    int32_t start = 0;
    int32_t width = 1;
};

// The window actually used for a start and width as typed: a width of 0
// counts as 1, and a window that starts before the codes, has no codes or
// reaches past the last of codeCount codes falls back to the first code alone.
// A window ending on the last code fits.
TAutoWindow FitAutoWindow(int32_t start, int32_t width, int64_t codeCount);

// The sliding Pearson correlation of the data with the window's codes, whose
// own rounded mean is the pattern mean; the window must lie within the data.
// Stops as SlidingPearson does.
std::vector<int32_t> Autocorrelate(std::span<const int32_t> data, TAutoWindow window,
                                   TProgress& progress = NoProgress());
