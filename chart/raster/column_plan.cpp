#include "chart/raster/column_plan.h"

#include "chart/raster/column_stretch.h"
#include "chart/raster/marker_flags.h"
#include "chart/raster/point_pixels.h"
#include "runtime/ordered_hand_over.h"
#include "runtime/parallel_work.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace {

bool SameScale(const TAxisScale& a, const TAxisScale& b)
{
    return std::bit_cast<uint64_t>(a.Minimum) == std::bit_cast<uint64_t>(b.Minimum) &&
        std::bit_cast<uint64_t>(a.Maximum) == std::bit_cast<uint64_t>(b.Maximum) && a.Start == b.Start &&
        a.End == b.End && a.Horizontal == b.Horizontal;
}

// Ranges of at least this many points, at most this many ranges: a range
// is worth handing to a worker, and the pieces stay many enough to share
// unevenly loaded cores. The cut depends on the point count alone.
constexpr int RangeMinimum = 4096;
constexpr int RangeMost = 64;

class TRangePlanner {
public:
    TRangePlanner(const TPlanKey& key, bool inOrder)
            : k_(key), pixels_(key.Xs, key.Ys, key.Horizontal, key.Vertical), inOrder_(inOrder),
              flags_(key.Clip)
    {
    }

    // Where the ranges begin: the first drawn point, then indexes where a new
    // column starts, so that no column is shared by two ranges.
    std::vector<int> Starts() const
    {
        std::vector<int> starts{k_.First};
        if (!inOrder_)
            return starts;
        const TAxisMapper& hx = pixels_.Horizontal();
        const int count = k_.Last - k_.First + 1;
        const int pieces = std::min(RangeMost, count / RangeMinimum);
        for (int r = 1; r < pieces; ++r) {
            int s = k_.First + int((long long)count * r / pieces);
            if (s <= starts.back())
                continue;
            // Columns never decrease here: search for the first one past s - 1's.
            const int column = hx.Pixel(k_.Xs[s - 1]);
            int hi = k_.Last + 1;
            while (s < hi) {
                const int middle = s + (hi - s) / 2;
                if (hx.Pixel(k_.Xs[middle]) <= column)
                    s = middle + 1;
                else
                    hi = middle;
            }
            if (s > k_.Last)
                break;
            starts.push_back(s);
        }
        return starts;
    }

    // The steps of points a .. b, latest first, as the painter's walk back
    // to front emits them from the join of b's column on; the join into the
    // range before is that range's own.
    void Plan(int a, int b, std::vector<TPlanStep>& out)
    {
        int i = b;
        TPixelPoint p;
        while (i >= a && !pixels_.At(i, p))
            --i;
        if (i < a)
            return;
        // Its last point is the first one its column sees.
        int n = b + 1;
        TPixelPoint next;
        while (n <= k_.Last && !pixels_.At(n, next))
            ++n;
        if (n <= k_.Last)
            out.push_back({p.X, p.Y, next.X, next.Y, FirstMarker(p), true});
        else if (i == k_.Last && FirstMarker(p))
            out.push_back({p.X, p.Y, p.X, p.Y, true, false});
        int lo = p.Y, hi = p.Y;
        TStretchWalker walker(k_.Xs, k_.Ys, pixels_.Horizontal(), pixels_.Vertical(), a, inOrder_);
        std::vector<TStretchStep> steps;
        while (true) {
            if (i == k_.First) {
                TPixelPoint e;
                if (k_.First > 0 && pixels_.EdgeStart(k_.First, p, false, k_.Clip.Left, e))
                    out.push_back({e.X, e.Y, p.X, p.Y, false, true});
                return;
            }
            i = Stretch(walker, steps, i, p, lo, hi, out);
            if (i == k_.First)
                continue;
            int j = i - 1;
            TPixelPoint q;
            while (j >= a && !pixels_.At(j, q))
                --j;
            if (j < a)
                return;
            const bool marker = FirstMarker(q);
            if (q.X != p.X) {
                out.push_back({q.X, q.Y, p.X, p.Y, marker, true});
                lo = hi = q.Y;
            } else if (q.Y < lo || q.Y > hi) {
                out.push_back({q.X, q.Y, p.X, p.Y, marker, true});
                lo = std::min(lo, q.Y);
                hi = std::max(hi, q.Y);
            } else if (marker) {
                out.push_back({q.X, q.Y, q.X, q.Y, true, false});
            }
            i = j;
            p = q;
        }
    }

private:
    // A later marker at the same pixel covers this one.
    bool FirstMarker(const TPixelPoint& p) { return k_.Markers && flags_.FirstMarkerAt(p.X, p.Y); }

    // The steps of the points before i in p's column; answers the index
    // reached, p holding its position.
    int Stretch(TStretchWalker& walker, std::vector<TStretchStep>& steps, int i, TPixelPoint& p, int& lo,
                int& hi, std::vector<TPlanStep>& out)
    {
        const int x = p.X;
        const TPixelRect& clip = k_.Clip;
        TStretchInput in{x, PixelLimit, flags_.MarkerColumn(x), clip.Top, clip.Bottom,
                         1, 0,          k_.MarkerHiddenBetween};
        // A marker can show when its box reaches into the clip.
        const int boxLeft = x + k_.MarkerOffsetX, boxRight = boxLeft + k_.MarkerWidth - 1;
        if (k_.Markers && k_.MarkerHeight > 0 && boxRight >= clip.Left && boxLeft <= clip.Right) {
            in.MarkerLo = clip.Top - k_.MarkerOffsetY - k_.MarkerHeight + 1;
            in.MarkerHi = clip.Bottom - k_.MarkerOffsetY;
        }
        TStretchState state{i, p.Y, lo, hi};
        steps.clear();
        walker.Walk(in, state, steps);
        for (const TStretchStep& s : steps)
            out.push_back({x, s.Y, x, s.NextY, s.Marker, s.Segment});
        p.Y = state.Y;
        lo = state.RunLo;
        hi = state.RunHi;
        return state.Index;
    }

    const TPlanKey& k_;
    TPointPixels pixels_;
    bool inOrder_;
    // Shared by the ranges: each writes only the columns of its own points.
    TMarkerFlags flags_;
};

} // namespace

bool TPlanKey::operator==(const TPlanKey& o) const
{
    return Xs.Address() == o.Xs.Address() && Ys.Address() == o.Ys.Address() && XList == o.XList &&
        YList == o.YList && XChanges == o.XChanges && YChanges == o.YChanges &&
        SameScale(Horizontal, o.Horizontal) && SameScale(Vertical, o.Vertical) && Clip == o.Clip &&
        First == o.First && Last == o.Last && Markers == o.Markers && MarkerOffsetX == o.MarkerOffsetX &&
        MarkerOffsetY == o.MarkerOffsetY && MarkerWidth == o.MarkerWidth && MarkerHeight == o.MarkerHeight &&
        MarkerHiddenBetween == o.MarkerHiddenBetween;
}

TColumnPlan MakeColumnPlan(const TPlanKey& key, bool xNonDecreasing, const TPlanPaint& paint,
                           TColumnPlan storage)
{
    TColumnPlan plan = std::move(storage);
    for (TPlanRange& r : plan.Ranges)
        r.clear();
    if (key.First < 0 || key.Last < key.First || key.Clip.SpanX() < 0 || key.Clip.SpanY() < 0) {
        plan.Ranges.clear();
        return plan;
    }
    const TAxisMapper hx(key.Horizontal);
    const bool inOrder = xNonDecreasing && hx.Increasing(key.Xs[key.First], key.Xs[key.Last]);
    TRangePlanner planner(key, inOrder);
    const std::vector<int> starts = planner.Starts();
    const int n = int(starts.size());
    plan.Ranges.resize(size_t(n));
    // Range r of the plan (painting order) holds the points from starts[n - 1 - r] on.
    const auto planRange = [&](int r) {
        const int s = n - 1 - r;
        planner.Plan(starts[size_t(s)], s + 1 < n ? starts[size_t(s + 1)] - 1 : key.Last,
                     plan.Ranges[size_t(r)]);
    };
    TOrderedHandOver handOver(n, [&](int r) {
        if (paint)
            paint(plan.Ranges[size_t(r)]);
    });
    // Every piece takes the next range in painting order, whatever its own
    // index, so that the ranges are ready about in the order they are painted.
    std::atomic<int> taken{0};
    ForEachRange(n, 1, [&](int64_t begin, int64_t end) {
        for (int64_t k = begin; k < end; ++k) {
            const int r = taken.fetch_add(1);
            planRange(r);
            handOver.Done(r);
        }
    });
    return plan;
}
