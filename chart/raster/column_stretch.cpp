#include "chart/raster/column_stretch.h"

#include <algorithm>
#include <cstring>

namespace {

// Large enough to stream through the values, small enough to stay in cache.
constexpr int BatchLength = 8192;

} // namespace

TStretchWalker::TStretchWalker(TValueSpan xs, TValueSpan ys, const TAxisMapper& horizontal,
                               const TAxisMapper& vertical, int first, bool columnsInOrder)
        : xs_(xs), ys_(ys), horizontal_(horizontal), vertical_(vertical), first_(first),
          inOrder_(columnsInOrder), blocks_(columnsInOrder ? ys.Blocks() : nullptr)
{
}

int TStretchWalker::ColumnStart(int x, int i)
{
    const auto inColumn = [&](int j) { return horizontal_.Pixel(xs_[j]) == x; };
    // Evenly spaced data fills its columns alike: look first where the last
    // column's length puts the start, then widen the step until the start
    // is enclosed, then halve. `known` is in the column, `below` before it.
    int known, below;
    const int guess = std::max(first_, i - lastLength_ + 1);
    if (inColumn(guess)) {
        known = guess;
        below = first_ - 1;
        for (int step = 1; known - step >= first_; step *= 2) {
            if (!inColumn(known - step)) {
                below = known - step;
                break;
            }
            known -= step;
        }
    } else {
        below = guess;
        known = i;
        for (int step = 1; below + step < i; step *= 2) {
            if (inColumn(below + step)) {
                known = below + step;
                break;
            }
            below += step;
        }
    }
    while (known - below > 1) {
        const int middle = below + (known - below) / 2;
        if (inColumn(middle))
            known = middle;
        else
            below = middle;
    }
    lastLength_ = i - known + 1;
    return known;
}

const double* TStretchWalker::Batch(TValueSpan values)
{
    if (values.Doubles())
        return values.Doubles() + from_;
    values_.resize(BatchLength);
    values.CopyTo(from_, to_ - from_, values_.data());
    return values_.data();
}

void TStretchWalker::Fill(int last)
{
    // Sized at the first stretch: most series on a chart never have one.
    columns_.resize(BatchLength);
    rows_.resize(BatchLength);
    to_ = last + 1;
    // With the values' blocks known most of them are passed whole: map one
    // block at a time.
    from_ = blocks_ ? std::max(first_, last / TValueSpan::BlockLength * TValueSpan::BlockLength)
                    : std::max(first_, to_ - BatchLength);
    if (!inOrder_)
        horizontal_.Pixels(Batch(xs_), to_ - from_, columns_.data());
    vertical_.Pixels(Batch(ys_), to_ - from_, rows_.data());
}

bool TStretchWalker::Passable(const TValueSpan::TBlock& block, const TStretchInput& in, int lo, int hi) const
{
    if (!vertical_.Monotone(block.Low, block.High))
        return false;
    const int a = vertical_.Pixel(block.Low), b = vertical_.Pixel(block.High);
    const int top = std::min(a, b), bottom = std::max(a, b);
    if (top < lo || bottom > hi)
        return false;
    // The rows where its markers could show.
    const int markTop = std::max(top, in.MarkerLo), markBottom = std::min(bottom, in.MarkerHi);
    if (markTop > markBottom)
        return true;
    if (!in.Placed || markTop < in.PlacedTop || markBottom > in.PlacedBottom)
        return false;
    return !std::memchr(in.Placed + (markTop - in.PlacedTop), 0, size_t(markBottom - markTop + 1));
}

void TStretchWalker::Walk(const TStretchInput& in, TStretchState& state, std::vector<TStretchStep>& steps)
{
    uint8_t* placed = in.Placed;
    const int x = in.X, limit = in.Limit, top = in.PlacedTop, bottom = in.PlacedBottom;
    const int markLo = in.MarkerLo, markHi = in.MarkerHi;
    const bool hiddenBetween = in.HiddenBetween;
    int i = state.Index, yNext = state.Y, lo = state.RunLo, hi = state.RunHi;
    // In order, the column's points end at its start; otherwise at the first
    // point of another column.
    const int start = inOrder_ ? ColumnStart(x, i) : first_;
    // Kept in locals: the flag stores may alias any member as far as the
    // compiler knows, which would reload them at every point.
    const bool inOrder = inOrder_;
    int from = from_, to = to_;
    const int* rows = rows_.data();
    const int* columns = columns_.data();
    constexpr int length = TValueSpan::BlockLength;
    for (int j = i - 1; j >= start; --j) {
        // A whole block before i: passed at once when every row of it lies
        // in the run and every marker it could place is placed already.
        if (blocks_ && (j + 1) % length == 0 && j + 1 - length >= start &&
            Passable(blocks_[j / length], in, lo, hi)) {
            i = j + 1 - length;
            j = i;
            yNext = vertical_.Pixel(ys_[i]);
            continue;
        }
        if (j < from || j >= to) {
            Fill(j);
            from = from_;
            to = to_;
            rows = rows_.data();
            columns = columns_.data();
        }
        const int y = rows[j - from];
        if ((!inOrder && columns[j - from] != x) || y < -limit || y > limit)
            break;
        bool marker = false;
        if (y >= markLo && y <= markHi) {
            if (placed && y >= top && y <= bottom) {
                uint8_t* flag = placed + (y - top);
                // A hidden marker still counts as placed: what it would
                // cover, the markers over it cover too.
                marker = !*flag && !(hiddenBetween && y > top && y < bottom && flag[-1] && flag[1]);
                *flag = 1;
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
