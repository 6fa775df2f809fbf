#include "chart/model/axis_panel.h"
#include "chart/raster/axis_scale.h"

#include "chart_test_support.h"

#include "runtime/exceptions.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TAxisScale Horizontal(double lo, double hi, int start, int end) { return {lo, hi, start, end, true}; }
TAxisScale Vertical(double lo, double hi, int start, int end) { return {lo, hi, start, end, false}; }

struct PixelCase {
    TAxisScale scale;
    double value;
    int pixel;
};

TEST(ValueToPixel, OneByOneAndInTheBatchForm)
{
    const PixelCase cases[] = {
        {Horizontal(0, 100, 10, 210), 0, 10},
        {Horizontal(0, 100, 10, 210), 100, 210},
        {Horizontal(0, 100, 10, 210), 25, 60},
        // 0.25 of a pixel rounds down, 0.75 up, exact halves to even.
        {Horizontal(0, 8, 0, 2), 1, 0},
        {Horizontal(0, 8, 0, 2), 3, 1},
        {Horizontal(0, 4, 0, 2), 1, 0},
        {Horizontal(0, 4, 0, 2), 3, 2},
        // Vertical axes grow upward: the minimum at the bottom end.
        {Vertical(-50, 50, 20, 120), -50, 120},
        {Vertical(-50, 50, 20, 120), 50, 20},
        {Vertical(-50, 50, 20, 120), 0, 70},
        // A zero range and an overflowing position map to the centre.
        {Horizontal(5, 5, 10, 21), 5, 15},
        {Horizontal(5, 5, 10, 21), 1e9, 15},
        {Horizontal(0, 1e-9, 0, 1000), 1, 500},
        {Vertical(0, 1, 100, 300), -1e300, 200},
        {Horizontal(0, 100, 10, 210), std::nan(""), 110},
        // A point just inside that cut-off, beyond 32 bits once the span's
        // start is added, saturates; short of it, the pixel is exact.
        {Horizontal(0, 1, 1000, 2000), 2147483, 2147483647},
        {Horizontal(0, 1, 1000, 2000), -2147483, -2147482000},
        {Horizontal(0, 1, -2000, -1000), -2147483, -2147483647 - 1},
        {Vertical(0, 1, 1000, 2000), -2147483, 2147483647},
        {Vertical(0, 1, 1000, 2000), 2147483, -2147481000},
    };
    for (const PixelCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.value << " on " << (c.scale.Horizontal ? "horizontal" : "vertical") << " ["
                     << c.scale.Minimum << ", " << c.scale.Maximum << "] over " << c.scale.Start << ".."
                     << c.scale.End);
        EXPECT_EQ(AxisValueToPixel(c.scale, c.value), c.pixel);
        // The batch form: two values a step, then the odd one alone.
        const double values[3] = {c.value, c.value, c.value};
        int pixels[3] = {-1, -1, -1};
        TAxisMapper(c.scale).Pixels(values, 3, pixels);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(pixels[k], c.pixel) << "batch entry " << k;
    }
}

// Increasing vouches that pixels keep the values' order between its ends.
TEST(AxisMapperOrder, IncreasingOnlyWhereNoEndFallsToTheCentre)
{
    const TAxisMapper h(Horizontal(0, 100, 10, 1210));
    EXPECT_TRUE(h.Increasing(-50, 1e6));
    EXPECT_TRUE(h.Increasing(3, 3));
    EXPECT_FALSE(h.Increasing(5, 4)) << "ends swapped";
    EXPECT_FALSE(h.Increasing(0, 1e9)) << "1e9 maps to the centre, below pixels of smaller values";
    EXPECT_LT(h.Pixel(1e9), h.Pixel(100));
    EXPECT_FALSE(h.Increasing(-1e9, 0));
    EXPECT_FALSE(h.Increasing(std::nan(""), 1));
    EXPECT_FALSE(TAxisMapper(Horizontal(5, 5, 10, 21)).Increasing(1, 9)) << "a zero range is one column";
    EXPECT_FALSE(TAxisMapper(Vertical(0, 100, 10, 210)).Increasing(1, 9)) << "rows run the other way";
}

TEST(AxisScaleRoundTrip, PixelToValueAndBackIsTheSamePixel)
{
    const TAxisScale scales[] = {Horizontal(-3.7, 1234.5, 17, 617), Vertical(-3.7, 1234.5, 17, 617),
                                 Vertical(0.001, 0.002, 0, 599), Horizontal(1e6, 1e6 + 3, 40, 1160)};
    for (const TAxisScale& s : scales) {
        SCOPED_TRACE(testing::Message() << (s.Horizontal ? "horizontal " : "vertical ") << s.Minimum << ".."
                                        << s.Maximum << " over " << s.Start << ".." << s.End);
        for (int p = s.Start; p <= s.End; ++p)
            ASSERT_EQ(AxisValueToPixel(s, AxisPixelToValue(s, p)), p) << p;
    }
}

TEST(AxisScaleRoundTrip, PixelToValueEnds)
{
    const TAxisScale h = Horizontal(2, 12, 100, 200), v = Vertical(2, 12, 100, 200);
    EXPECT_DOUBLE_EQ(AxisPixelToValue(h, 100), 2);
    EXPECT_DOUBLE_EQ(AxisPixelToValue(h, 150), 7);
    EXPECT_DOUBLE_EQ(AxisPixelToValue(v, 100), 12);
    EXPECT_DOUBLE_EQ(AxisPixelToValue(v, 200), 2);
    EXPECT_EQ(AxisPixelToValue(Horizontal(2, 12, 100, 100), 150), 0) << "a span below one pixel answers 0";
}

TEST(AxisScalePadding, UnpaddedRangeLandsInsideThePaddedSpan)
{
    // The start side is the left, or the bottom of a vertical axis.
    const TAxisScale h = PadScale(Horizontal(0, 100, 10, 410), 3, 5);
    const TAxisScale v = PadScale(Vertical(0, 100, 10, 410), 3, 5);
    EXPECT_EQ(AxisValueToPixel(h, 0), 13);
    EXPECT_EQ(AxisValueToPixel(h, 100), 405);
    EXPECT_EQ(AxisValueToPixel(v, 0), 407);
    EXPECT_EQ(AxisValueToPixel(v, 100), 15);
    EXPECT_EQ(PadScale(Vertical(0, 100, 10, 410), 0, 0).Minimum, 0);
    EXPECT_EQ(PadScale(Horizontal(0, 100, 10, 17), 3, 5).Maximum, 100) << "no room left for the range";
}

TEST(AxisSetters, InvertedRangesRaiseTheExactMessagesAndChangeNothing)
{
    TAxisPanel chart;
    TAxis& a = chart.BottomAxis();
    a.SetBothEnds(0, 10);
    EXPECT_THAT([&] { a.SetMaximum(-1); },
                ThrowsMessage<EChartAxisError>(StrEq("Axis Maximum Value must be >= Minimum")));
    EXPECT_THAT([&] { a.SetMinimum(11); },
                ThrowsMessage<EChartAxisError>(StrEq("Axis Minimum Value must be <= Maximum")));
    EXPECT_EQ(Ends(a), std::pair(0.0, 10.0)) << "unchanged";
    a.SetMaximum(0);
    a.SetMinimum(0);
    EXPECT_EQ(a.Maximum(), 0);
}

TEST(AxisSetters, AutomaticFlagsFollowTheirRules)
{
    TAxisPanel chart;
    TAxis& a = chart.LeftAxis();
    EXPECT_TRUE(a.Automatic() && a.AutomaticMinimum() && a.AutomaticMaximum());
    a.SetAutomatic(false);
    EXPECT_FALSE(a.AutomaticMinimum() || a.AutomaticMaximum());
    a.SetAutomaticMinimum(true);
    EXPECT_FALSE(a.Automatic()) << "the other end is still manual";
    a.SetAutomaticMaximum(true);
    EXPECT_TRUE(a.Automatic());
    a.SetAutomaticMaximum(false);
    EXPECT_FALSE(a.Automatic());
    EXPECT_TRUE(a.AutomaticMinimum());
}

TEST(AxisSetters, SetBothEndsSwapsAndKeepsAMinimumWidth)
{
    TAxisPanel chart;
    TAxis& a = chart.RightAxis();
    a.SetBothEnds(9, -3);
    EXPECT_EQ(Ends(a), std::pair(-3.0, 9.0));
    EXPECT_FALSE(a.Automatic() || a.AutomaticMinimum() || a.AutomaticMaximum());
    a.SetBothEnds(4, 4);
    EXPECT_EQ(a.Minimum(), 4);
    EXPECT_GT(a.Maximum(), 4);
    EXPECT_NEAR(a.Maximum() - a.Minimum(), 1e-10, 1e-15);
}

} // namespace
