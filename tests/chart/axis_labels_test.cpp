#include "chart/layout/axis_labels.h"

#include "numbers/number_format.h"
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(ValueLabels, ZeroTo999EveryHundredFromRightToLeft)
{
    const TAxisScale s{0, 999, 0, 600, true};
    const auto labels = ValueLabels(s, 100, "#,##0.###", true, true);
    ASSERT_EQ(labels.size(), 10u);
    for (size_t i = 0; i < labels.size(); ++i) {
        const int v = 900 - 100 * int(i);
        SCOPED_TRACE(v);
        EXPECT_DOUBLE_EQ(labels[i].Value, v);
        EXPECT_EQ(labels[i].Position, int(std::lrint(v * 600 / 999.0)));
        EXPECT_EQ(labels[i].Text, std::to_string(v)) << "whole numbers below 1000 need no separator";
    }
    EXPECT_GT(labels.front().Position, labels.back().Position) << "from right to left";
}

TEST(LabelStep, KnownRangesAndLimits)
{
    EXPECT_EQ(MaxLabelCount(600, 40, 10), 14); // round(600 / 44)
    EXPECT_EQ(MaxLabelCount(600, 54, 10), 10); // round(600 / 59)
    struct Case {
        double range;
        int span, labelSize, separation;
        double increment, step;
        const char* why;
    };
    const Case cases[] = {
        {999, 600, 40, 10, 0, 100, "14 labels fit: 100 gives 10, 50 would give 20"},
        {0.5, 600, 54, 10, 0, 0.05, "starts at the tiny step: 0.05 gives 10, 0.02 would give 25"},
        {100, 600, 0, 10, 0, 100, "a label size of 0 allows a single label"},
        {100, 3, 40, 10, 0, 1e-12, "no room for even one label"},
        {100, 600, 40, 10, 25, 25, "the increment starts the search"},
        // A subnormal increment stalled the search at itself: 1e-12 gave 101
        // labels on an axis where 3 fit.
        {1e-10, 34, 9, 25, 4e-321, 5e-11, "subnormal increment"},
        {0, 600, 40, 10, 0, 1e-12, "a zero range keeps the smallest step"},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(LabelStep(c.range, c.span, c.labelSize, c.separation, c.increment), c.step,
                    c.step * 1e-12)
            << c.why;
}

TEST(LabelStep, IsTheFirstStepOfTheSeriesThatFits)
{
    const double ranges[] = {1, 3, 7.5, 99, 1000, 12345.6, 0.03, 2e-7, 5e8};
    const int spans[] = {50, 200, 600, 1200};
    for (double range : ranges)
        for (int span : spans) {
            SCOPED_TRACE(testing::Message() << "range " << range << " span " << span);
            const double step = LabelStep(range, span, 30, 10, 0);
            // Labels of 30 pixels with 10 percent (3 pixels) between them.
            const long fit = std::lrint(span / 33.0);
            EXPECT_LE(std::llrint(range / step), fit);
            // Mantissa 1, 2 or 5.
            const double m = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
            EXPECT_TRUE(std::fabs(m - 1) < 1e-6 || std::fabs(m - 2) < 1e-6 || std::fabs(m - 5) < 1e-6)
                << step;
            // The step before it in the series (5 -> 2, 2 -> 1, 1 -> 0.5) would
            // not fit, unless the search started at this step.
            if (step > 1e-12 && !(range >= 1 && step == 1)) {
                const double below = step * (std::fabs(m - 5) < 1e-6 ? 0.4 : 0.5);
                EXPECT_GT(std::llrint(range / below), fit) << "step " << step;
            }
        }
}

TEST(LabelStep, NextStepSeries)
{
    double s = 1;
    const double expected[] = {2, 5, 10, 20, 50, 100, 200};
    for (double e : expected) {
        s = NextLabelStep(s);
        EXPECT_DOUBLE_EQ(s, e);
    }
    EXPECT_NEAR(NextLabelStep(0.1), 0.2, 1e-16);
    EXPECT_NEAR(NextLabelStep(0.5), 1, 1e-15);
    EXPECT_NEAR(NextLabelStep(1e-12), 2e-12, 1e-25);
}

TEST(ValueLabels, EdgeCases)
{
    // A zero range: one label at the centre with the value itself.
    const auto single = ValueLabels({7, 7, 0, 100, true}, 1e-12, "0", true, true);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].Position, 50);
    EXPECT_EQ(single[0].Value, 7);
    // 10000 steps or more: no labels at all.
    EXPECT_TRUE(ValueLabels({0, 10000, 0, 100, true}, 1, "0", true, true).empty());
    EXPECT_EQ(ValueLabels({0, 9999, 0, 100, true}, 1, "0", true, true).size(), 10000u);
    // Without rounding the first label is the maximum itself.
    const auto raw = ValueLabels({0, 25, 0, 100, true}, 10, "0", false, true);
    ASSERT_EQ(raw.size(), 3u);
    EXPECT_EQ(raw[0].Value, 25);
    EXPECT_EQ(raw[2].Value, 5);
    // Labels exactly on the ends are dropped when LabelsOnAxis is off.
    EXPECT_EQ(ValueLabels({0, 100, 0, 100, true}, 50, "0", true, true).size(), 3u);
    EXPECT_EQ(ValueLabels({0, 100, 0, 100, true}, 50, "0", true, false).size(), 1u);
    // Negative ranges count down from the truncated maximum.
    const auto neg = ValueLabels({-35, -12, 0, 100, false}, 10, "0", true, true);
    ASSERT_EQ(neg.size(), 2u);
    EXPECT_EQ(neg[0].Value, -20);
    EXPECT_EQ(neg[1].Value, -30);
}

// Far from zero a range of a few units in the last place still gets no more
// labels than fit: the allowance under the minimum is a part of the step, not
// of the value (at 10^9 it was a thousand times the step).
TEST(ValueLabels, AtAnyMagnitudeNoMoreLabelsThanFit)
{
    const int fit = MaxLabelCount(500, 12, 10);
    for (double lo = 1; lo < 1e18; lo *= 1000) {
        for (int units = 1; units <= 8; units *= 2) {
            double hi = lo;
            for (int u = 0; u < units; ++u)
                hi = std::nextafter(hi, 2 * lo);
            const double step = LabelStep(hi - lo, 500, 12, 10, 0);
            const auto labels = ValueLabels({lo, hi, 0, 500, false}, step, "0", true, true);
            EXPECT_GE(labels.size(), 1u) << lo << " + " << units;
            EXPECT_LE(labels.size(), size_t(fit) + 1) << lo << " + " << units;
            for (const TAxisLabel& l : labels)
                EXPECT_TRUE(l.Position >= 0 && l.Position <= 500)
                    << lo << " + " << units << ": " << l.Position;
        }
    }
    // 10^9 up to four units of 2^-23, a step of 1e-7: five labels, the last on the minimum.
    const double hi = 1e9 + 4 * std::ldexp(1.0, -23);
    const auto five = ValueLabels({1e9, hi, 0, 500, false}, 1e-7, "0", true, true);
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five.back().Value, 1e9);
    EXPECT_EQ(five.back().Position, 500);
    // A step below half the spacing of long doubles there (2^-34) no longer
    // leaves the value unchanged for ever: the loop ends after the steps the
    // range holds (2^-23 / 2e-11, about 5960).
    const auto tiny = ValueLabels({1e9, std::nextafter(1e9, 2e9), 0, 500, true}, 2e-11, "0", true, true);
    EXPECT_NEAR(double(tiny.size()), 5960, 2);
    // Just above 2e-11 the top, rounded to the spacing, lay three steps up
    // and gave 5963 labels to 5960.46 steps.
    const double over = 2.000000165480741e-11;
    EXPECT_LE(ValueLabels({1e9, std::nextafter(1e9, 2e9), 0, 500, false}, over, "0", true, true).size(),
              5961u);
}

std::vector<TTextLabelCandidate> Candidates(std::initializer_list<int> positions, int extent = 15)
{
    std::vector<TTextLabelCandidate> c;
    for (int p : positions)
        c.push_back({p, extent, double(p), std::to_string(p)});
    return c;
}

std::vector<int> Positions(const std::vector<TAxisLabel>& labels)
{
    std::vector<int> p;
    for (const auto& l : labels)
        p.push_back(l.Position);
    return p;
}

TEST(TextLabelThinning, FirstKeepsHalfExtentSevenLaterOnesNeedSixteenThenEighteen)
{
    // Half extent of the first: 7; of later ones: (15 + 3) / 2 = 9.
    EXPECT_EQ(Positions(ThinTextLabels(Candidates({100, 110, 115, 116, 130, 133, 134, 151, 152}), 10)),
              (std::vector<int>{100, 116, 134, 152}));
    // Moving toward smaller pixels, the mirror rule.
    EXPECT_EQ(Positions(ThinTextLabels(Candidates({300, 285, 284, 267, 266}), 10)),
              (std::vector<int>{300, 284, 266}));
    // No separation: everything.
    EXPECT_EQ(ThinTextLabels(Candidates({1, 2, 3}), 0).size(), 3u);
    EXPECT_TRUE(ThinTextLabels({}, 10).empty());
    // Extents and separations near the 32-bit limits: margins far beyond them,
    // worked out without overflow.
    EXPECT_EQ(Positions(ThinTextLabels(Candidates({0, 10}, 2000000000), 100)), (std::vector<int>{0}));
    EXPECT_EQ(Positions(ThinTextLabels(Candidates({0, 10}, 3), 2147483647)), (std::vector<int>{0}));
    EXPECT_EQ(Positions(ThinTextLabels(Candidates({-2147483647, 2147483647}, 1000000000), 10)),
              (std::vector<int>{-2147483647, 2147483647}));
}

} // namespace
