#include "chart/raster/series_hit_test.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

namespace {

struct SegmentCase {
    TPixelPoint m, a, b;
    bool hit;
};

TEST(Segment, FollowsTheCrossProductAndEndRules)
{
    const SegmentCase cases[] = {
        {{5, 5}, {0, 0}, {10, 10}, true},                                     // on the diagonal
        {{5, 6}, {0, 0}, {10, 10}, false},                                    // cross 10, not below span 10
        {{5, 0}, {0, 0}, {10, 0}, true},                                      // on a horizontal segment
        {{5, 1}, {0, 0}, {10, 0}, false},  {{11, 0}, {0, 0}, {10, 0}, false}, // beyond an end
        {{-1, 0}, {0, 0}, {10, 0}, false}, {{0, 0}, {0, 0}, {10, 0}, true},   // on an end
        {{3, 1}, {0, 0}, {10, 3}, true},                                      // cross |3*3 - 1*10| = 1 < 10
        {{3, 2}, {0, 0}, {10, 3}, false},                                     // cross 11
        {{4, 4}, {4, 4}, {4, 4}, false},                                      // zero length never hits
        {{0, 20}, {0, 0}, {0, 40}, true},  {{1, 20}, {0, 0}, {0, 40}, false},
    };
    for (const SegmentCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "(" << c.m.X << ", " << c.m.Y << ") on (" << c.a.X << ", "
                                          << c.a.Y << ")-(" << c.b.X << ", " << c.b.Y << ")");
        EXPECT_EQ(SegmentHit(c.m, c.a, c.b), c.hit);
        EXPECT_EQ(SegmentHit(c.m, c.b, c.a), c.hit) << "direction does not matter";
    }
}

TEST(Polygon, EvenOddInsideTest)
{
    const TPixelPoint quad[4] = {{0, 10}, {10, 0}, {10, 20}, {0, 20}};
    EXPECT_TRUE(PolygonContains(quad, 4, {5, 15}));
    EXPECT_TRUE(PolygonContains(quad, 4, {8, 5}));
    EXPECT_FALSE(PolygonContains(quad, 4, {2, 5})) << "above the slanted top edge";
    EXPECT_FALSE(PolygonContains(quad, 4, {11, 15}));
    EXPECT_FALSE(PolygonContains(quad, 4, {5, 21}));
}

// A chart laid out with fixed metrics; points at known pixels.
class PointAtPixelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chart.MarginLeft = chart.MarginTop = chart.MarginRight = chart.MarginBottom = 0;
        for (TAxis& a : chart.Axes()) {
            a.Visible = false; // the plot takes the whole 401 x 201 image
            a.SetBothEnds(0, 400);
        }
        chart.LeftAxis().SetBothEnds(0, 200);
        chart.RightAxis().SetBothEnds(0, 200);
    }
    void Layout() { frame = LayOut(chart, measure, 401, 201); }
    // The press at (x, y) on the first series, with the frame of the last layout.
    int Hit(int x, int y) const { return chart.SeriesAt(0)->PointAtPixel(frame.SeriesAt(0), x, y); }
    TAxisPanel chart;
    TFixedMeasure measure;
    TPlotFrame frame;
};

TEST_F(PointAtPixelTest, MarkerExactPointAndSegmentRules)
{
    TLineSeries* s = AddDotSeries(chart, Colors::Lime, Colors::Red);
    EXPECT_EQ(Hit(100, 100), -1) << "never drawn: no hit";
    // Y 100 is pixel row 100 (the vertical axis grows upward from row 200).
    s->AddPoint(100, 100);
    s->AddPoint(200, 100);
    s->AddPoint(300, 40);
    Layout();
    ASSERT_EQ(frame.SeriesAt(0).FirstShownIndex, 0);
    // Marker: strictly within HorizSize / VertSize = 2, the 3 x 3 square.
    EXPECT_EQ(Hit(101, 99), 0);
    EXPECT_EQ(Hit(99, 101), 0);
    EXPECT_EQ(Hit(98, 100), -1) << "two pixels left is outside the square, and off the segment";
    // Segment from point 0 to point 1 answers the left end.
    EXPECT_EQ(Hit(150, 100), 0);
    EXPECT_EQ(Hit(150, 101), -1);
    // Segment 1 -> 2, from (200, 100) to (300, 160): its middle.
    EXPECT_EQ(Hit(250, 130), 1);
    // Hidden pointer: only exact points and segments.
    s->Pointer().SetVisible(false);
    EXPECT_EQ(Hit(101, 99), -1);
    EXPECT_EQ(Hit(100, 100), 0);
    s->LinePen().SetStyle(psClear);
    EXPECT_EQ(Hit(150, 100), 0) << "an invisible line still answers";
    s->LineClickable = false;
    EXPECT_EQ(Hit(150, 100), -1);
}

TEST_F(PointAtPixelTest, AreaQuadrilateralsDownToTheBottom)
{
    TAreaSeries* s = chart.AddSeries<TAreaSeries>();
    s->AddPoint(100, 100);
    s->AddPoint(200, 150);
    s->AddPoint(300, 50);
    Layout();
    EXPECT_EQ(Hit(150, 180), 0) << "under the first segment";
    EXPECT_EQ(Hit(250, 190), 1);
    EXPECT_EQ(Hit(150, 60), -1) << "above the curve";
    EXPECT_EQ(Hit(50, 180), -1) << "left of the first point";
}

TEST_F(PointAtPixelTest, OnlyTheLastPaintedRangeIsTested)
{
    TLineSeries* s = AddDotSeries(chart, Colors::Lime, Colors::Red);
    for (int i = 0; i <= 400; i += 10)
        s->AddPoint(i, 100);
    Layout();
    EXPECT_EQ(Hit(50, 100), 5);
    chart.BottomAxis().SetBothEnds(200, 400);
    // Not painted again yet: the positions of the last layout still hold.
    EXPECT_EQ(Hit(50, 100), 5);
    Layout();
    EXPECT_EQ(frame.SeriesAt(0).FirstShownIndex, 20);
    EXPECT_EQ(Hit(0, 100), 20);
    EXPECT_EQ(Hit(0, 150), -1);
}

} // namespace
