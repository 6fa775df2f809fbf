#pragma once
// The sliding Pearson correlation of a pattern along the data codes, as a
// whole-number percentage per offset.
//
// For offset j (0 <= j <= N - M), with m = Round(window sum / M) the rounded
// mean of d[j .. j+M-1] and P the given pattern mean:
//   dx(k) = d[j+k] - m, dy(k) = p[k] - P,
//   Sxy = sum dx dy, Sxx = sum dx^2, Syy = sum dy^2, all exact integers,
//   r(j) = 0 when Sxx or Syy is 0, otherwise
//   Round(Sxy / (sqrt(Syy) x sqrt(Sxx)) x 100) in extended precision.
#include "runtime/progress.h"

#include <cstdint>
#include <span>
#include <vector>

// r(0) .. r(N - M) for the N data codes and the M pattern codes; empty when
// M < 1 or N < M. Raises ERunStopped when a stop is asked through progress
// (after each block of offsets); the position is the share of offsets done,
// 0 at the end.
std::vector<int32_t> SlidingPearson(std::span<const int32_t> data, std::span<const int32_t> pattern,
                                    int32_t patternMean, TProgress& progress = NoProgress());
