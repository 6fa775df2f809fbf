#include "chart/column_stretch.h"

#include <algorithm>

namespace {

// Large enough to stream through the values, small enough to stay in cache.
constexpr int Batch = 8192;

} // namespace

TStretchWalker::TStretchWalker(const double* xs, const double* ys, const TAxisMapper& horizontal,
                               const TAxisMapper& vertical, int first)
        : xs_(xs), ys_(ys), horizontal_(horizontal), vertical_(vertical), first_(first)
{
}

void TStretchWalker::Fill(int last)
{
    // Sized at the first stretch: most series on a chart never have one.
    columns_.resize(Batch);
    rows_.resize(Batch);
    to_ = last + 1;
    from_ = std::max(first_, to_ - Batch);
    horizontal_.Pixels(xs_ + from_, to_ - from_, columns_.data());
    vertical_.Pixels(ys_ + from_, to_ - from_, rows_.data());
}

void TStretchWalker::Walk(const TStretchInput& in, TStretchState& state, std::vector<TStretchStep>& steps)
{
    uint8_t* placed = in.Placed;
    const int x = in.X, limit = in.Limit, top = in.PlacedTop, bottom = in.PlacedBottom;
    const int markLo = in.MarkerLo, markHi = in.MarkerHi;
    int i = state.Index, yNext = state.Y, lo = state.RunLo, hi = state.RunHi;
    for (int j = i - 1; j >= first_; --j) {
        if (j < from_ || j >= to_)
            Fill(j);
        const int y = rows_[size_t(j - from_)];
        if (columns_[size_t(j - from_)] != x || y < -limit || y > limit)
            break;
        bool marker = false;
        if (y >= markLo && y <= markHi) {
            if (placed && y >= top && y <= bottom) {
                uint8_t& flag = placed[y - top];
                marker = !flag;
                flag = 1;
            } else {
                marker = true; // rows outside the flags are not remembered
            }
        }
        const bool segment = y < lo || y > hi;
        if (marker || segment) {
            steps.push_back({j, y, yNext, marker, segment});
            lo = std::min(lo, y);
            hi = std::max(hi, y);
        }
        yNext = y;
        i = j;
    }
    state = {i, yNext, lo, hi};
}
