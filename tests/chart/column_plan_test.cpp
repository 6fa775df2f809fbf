// The plan of a dense line against a plain reference: every point's segment
// and marker painted one by one, front to back, gives the same picture as
// the plan's steps painted back to front into the pixels still free.
#include "chart/raster/column_plan.h"

#include "chart/model/value_list.h"
#include "chart/raster/pixel_raster.h"
#include "chart/raster/plan_cache.h"
#include "chart/raster/point_pixels.h"
#include "runtime/worker_pool.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

// What shows at a pixel: 0 nothing, 1 a line, 2 a marker's inside, 3 its rim.
class TCodeImage {
public:
    TCodeImage(const TPixelRect& clip, const TMarkerShape& marker, bool backward)
            : clip_(clip), marker_(marker), backward_(backward),
              codes_(size_t(clip.Columns()) * size_t(clip.Rows()), 0)
    {
    }
    void Segment(TPixelPoint a, TPixelPoint b)
    {
        if (a == b)
            return;
        RasterLine(a.X, a.Y, b.X, b.Y, clip_.Left, clip_.Right,
                   [&](int x, int y0, int y1) { Run(x, y0, y1, 1); });
    }
    void Marker(TPixelPoint p)
    {
        for (const TMarkerRun& r : marker_.Runs)
            Run(p.X + marker_.OffsetX + r.Dx, p.Y + marker_.OffsetY + r.Dy0, p.Y + marker_.OffsetY + r.Dy1,
                r.Rim ? 3 : 2);
    }
    bool operator==(const TCodeImage& o) const { return codes_ == o.codes_; }
    size_t Drawn() const { return codes_.size() - size_t(std::count(codes_.begin(), codes_.end(), 0)); }

private:
    void Run(int x, int y0, int y1, int code)
    {
        for (int y = std::max(y0, clip_.Top); y <= std::min(y1, clip_.Bottom); ++y)
            if (clip_.Contains(x, y)) {
                int& c = codes_[size_t(x - clip_.Left) * size_t(clip_.Rows()) + size_t(y - clip_.Top)];
                // Back to front, the first primitive to reach a pixel owns it.
                if (!backward_ || c == 0)
                    c = code;
            }
    }
    TPixelRect clip_;
    TMarkerShape marker_;
    bool backward_;
    std::vector<int> codes_;
};

// Every point in order: the segment from the drawn point before, that
// point's marker, and the last point's marker at the end.
TCodeImage PaintOneByOne(const TPlanKey& k, const TMarkerShape& marker)
{
    TCodeImage img(k.Clip, marker, false);
    const TPointPixels pixels(k.Xs, k.Ys, k.Horizontal, k.Vertical);
    auto mark = [&](TPixelPoint p) {
        if (k.Markers)
            img.Marker(p);
    };
    bool havePrev = false;
    TPixelPoint prev;
    for (int i = k.First; i <= k.Last; ++i) {
        TPixelPoint p, e;
        if (!pixels.At(i, p))
            continue;
        if (i == k.First) {
            if (k.First > 0 && pixels.EdgeStart(k.First, p, false, k.Clip.Left, e))
                img.Segment(e, p);
            if (k.First == k.Last)
                mark(p);
        } else if (havePrev) {
            img.Segment(prev, p);
            mark(prev);
            if (i == k.Last)
                mark(p);
        } else if (i == k.Last) {
            mark(p);
        }
        prev = p;
        havePrev = true;
    }
    return img;
}

TCodeImage PaintPlan(const TColumnPlan& plan, const TPlanKey& k, const TMarkerShape& marker)
{
    TCodeImage img(k.Clip, marker, true);
    for (const TPlanRange& range : plan.Ranges)
        for (const TPlanStep& s : range) {
            if (s.Marker)
                img.Marker({s.X, s.Y});
            if (s.Segment)
                img.Segment({s.X, s.Y}, {s.ToX, s.ToY});
        }
    return img;
}

struct TRandomSeries {
    std::vector<double> Xs, Ys;
    std::vector<int32_t> Wholes; // Ys when kept as whole numbers
    std::unique_ptr<TValueList> List; // Ys with the ranges of their blocks
    TPlanKey Key;
    TMarkerShape Marker;
    bool InOrder = true;
};

// Dense columns, repeated X, skipped and NaN rows, zoomed views cutting
// columns at both edges, markers or none; X in order or shuffled, or the
// index itself; Y as doubles or as whole numbers.
TRandomSeries MakeSeries(std::mt19937& random)
{
    TRandomSeries s;
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    const int n = 1 + int(random() % 60000);
    s.InOrder = random() % 4 != 0;
    const bool xIndexes = s.InOrder && random() % 3 == 0, yWholes = random() % 2 == 0;
    double x = 0;
    for (int i = 0; i < n; ++i) {
        x = xIndexes ? i : x + (random() % 3 == 0 ? 0 : uniform(0, 2));
        s.Xs.push_back(s.InOrder ? x : uniform(0, 2.0 * n));
        const int kind = int(random() % 400);
        s.Ys.push_back(kind == 0       ? 1e9
                           : kind == 1 ? (yWholes ? -1e9 : std::nan(""))
                                       : std::round(uniform(-50, 50) + 40 * std::sin(i * 0.001)));
        s.Wholes.push_back(int32_t(yWholes ? s.Ys.back() : 0));
    }
    TPlanKey& k = s.Key;
    k.Xs = xIndexes ? TValueSpan::Indexes(n) : TValueSpan::Doubles(s.Xs.data(), n);
    k.Ys = yWholes ? TValueSpan::Wholes(s.Wholes.data(), n) : TValueSpan::Doubles(s.Ys.data(), n);
    if (random() % 2 == 0) {
        s.List = std::make_unique<TValueList>(ordNone);
        for (double y : s.Ys)
            s.List->Append(y);
        k.Ys = s.List->SpanWithBlocks();
    }
    const double xMax = s.InOrder ? x : 2.0 * n;
    const double from = uniform(-0.1, 0.6) * xMax, to = from + uniform(0.05, 1) * xMax + 1;
    k.Horizontal = {from, to, 10, 10 + int(random() % 300), true};
    k.Vertical = {uniform(-120, 0), uniform(1, 120), 5, 5 + int(random() % 200), false};
    k.Clip = {10, 5, k.Horizontal.End, k.Vertical.End};
    k.First = int(random() % n);
    k.Last = std::min(n - 1, k.First + int(random() % n));
    k.Markers = random() % 3 != 0;
    s.Marker = MakeMarkerShape(random() % 2 == 0, 1 + int(random() % 3), 1 + int(random() % 3));
    k.MarkerOffsetX = s.Marker.OffsetX;
    k.MarkerOffsetY = s.Marker.OffsetY;
    k.MarkerWidth = s.Marker.Width;
    k.MarkerHeight = s.Marker.Height;
    // Leaving that rule out only paints more.
    k.MarkerHiddenBetween = HiddenBetweenRows(s.Marker) && random() % 2 == 0;
    return s;
}

TEST(ColumnPlan, PaintedBackToFrontGivesThePictureOfEveryPointInOrderWithAnyNumberOfWorkers)
{
    std::mt19937 random(20261209);
    size_t drawn = 0;
    for (int round = 0; round < 60; ++round) {
        const TRandomSeries s = MakeSeries(random);
        SCOPED_TRACE(testing::Message() << "round " << round << ", points " << s.Key.First << ".."
                                        << s.Key.Last << (s.InOrder ? " in order" : " shuffled"));
        TColumnPlan one, all;
        {
            const TWorkerLimit limit(1);
            one = MakeColumnPlan(s.Key, s.InOrder);
        }
        // Handed on while planned: every range once, in painting order.
        std::vector<TPlanRange> handed;
        all = MakeColumnPlan(s.Key, s.InOrder, [&](const TPlanRange& r) { handed.push_back(r); });
        ASSERT_TRUE(one.Ranges == all.Ranges);
        ASSERT_TRUE(handed == all.Ranges);
        const TCodeImage reference = PaintOneByOne(s.Key, s.Marker);
        EXPECT_TRUE(PaintPlan(all, s.Key, s.Marker) == reference);
        drawn += reference.Drawn();
    }
    EXPECT_GT(drawn, 100000u) << "the rounds must actually draw";
}

TEST(PlanCache, TheSameKeyTakesThePlanBackAnyChangeMakesANewOne)
{
    std::mt19937 random(7);
    TRandomSeries s = MakeSeries(random);
    TPlanCache cache;
    const TColumnPlan* first = &cache.Paint(s.Key, s.InOrder);
    cache.Sweep();
    EXPECT_EQ(&cache.Paint(s.Key, s.InOrder), first);
    cache.Sweep();
    EXPECT_EQ(cache.Made(), 1);
    const TPlanKey base = s.Key;
    const std::vector<void (*)(TPlanKey&)> changes{[](TPlanKey& k) { ++k.YChanges; },
                                                   [](TPlanKey& k) { ++k.XList; },
                                                   [](TPlanKey& k) { k.Horizontal.Maximum += 1; },
                                                   [](TPlanKey& k) { k.Clip.Left += 1; },
                                                   [](TPlanKey& k) { k.Markers = !k.Markers; },
                                                   [](TPlanKey& k) { k.MarkerHeight += 2; },
                                                   [](TPlanKey& k) { --k.Last; }};
    int made = 1;
    for (auto change : changes) {
        TPlanKey k = base;
        change(k);
        cache.Paint(k, s.InOrder);
        EXPECT_EQ(cache.Made(), ++made);
        cache.Sweep();
    }
    // A plan no paint asked for is dropped; the key paints again from a new one.
    cache.Paint(base, s.InOrder);
    EXPECT_EQ(cache.Made(), ++made);
}

} // namespace
