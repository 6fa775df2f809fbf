#include "chart/layout/plot_layout.h"

#include "chart_test_support.h"
#include "numbers/number_format.h"

#include <gtest/gtest.h>

namespace {

class ChartLayoutTest : public ::testing::Test {
protected:
    TPlotFrame Layout(int w = 400, int h = 300) { return LayOut(chart, measure, w, h); }
    TAxisPanel chart;
    TFixedMeasure measure;
};

TEST_F(ChartLayoutTest, PlotRectIsBoundsLessMarginsAndTheShownAxesBands)
{
    chart.MarginLeft = chart.MarginTop = chart.MarginRight = chart.MarginBottom = 2;
    TAxis& bottom = chart.BottomAxis();
    bottom.TitleCaption = "Time";
    bottom.TitleFont.PixelSize = 11;
    bottom.LabelsFont.PixelSize = 16;
    bottom.Ticks.SetVisible(false);
    bottom.MinorTicks.SetVisible(false);
    TAxis& left = chart.LeftAxis();
    left.AxisPen.SetVisible(false);
    left.Ticks.SetVisible(false);
    left.MinorTicks.SetVisible(false);
    left.AxisValuesFormat = "##0.##";
    chart.RightAxis().Visible = false;
    chart.TopAxis().Visible = false;
    TLineSeries* s = chart.AddSeries<TLineSeries>();
    s->AddPoint(0, 0);
    s->AddPoint(50, 1000);

    const TPlotFrame l = Layout();
    // Margins: 400 * 2 / 100 = 8 at the sides, 300 * 2 / 100 = 6 at top and bottom.
    // Bottom: title 11 + labels 16 + axis pen 2. Left: widest label "1000"
    // (4 x 8 pixels) plus a blank (8).
    EXPECT_EQ(l.PlotRect, (TPixelRect{8 + 40, 6, 399 - 8, 299 - 6 - 29}));
    const TAxisFrame& b = l.Axes[0];
    EXPECT_EQ(b.TitleBand, 11);
    EXPECT_EQ(b.LabelBand, 16);
    EXPECT_EQ(b.TickBand, 2);
    EXPECT_EQ(b.AxisLinePos, 299 - 6 - 29);
    EXPECT_EQ(b.Outward(5), 299 - 6 - 29 + 5) << "away from the plot is down";
    EXPECT_EQ(l.Axes[2].TickBand, 0);
    EXPECT_EQ(l.Axes[2].Outward(5), 48 - 5) << "and left of the left axis";
    // Every axis, shown or not, spans its side of the plot.
    EXPECT_EQ(b.Scale.Start, 48);
    EXPECT_EQ(b.Scale.End, 391);
    EXPECT_EQ(l.Axes[3].Scale.Start, 6);
    EXPECT_EQ(l.Axes[3].Scale.End, 264);
    EXPECT_FALSE(l.Axes[3].Shown);
    EXPECT_FALSE(l.Axes[1].Shown);
}

TEST_F(ChartLayoutTest, AutomaticRangesFollowActiveSeriesAndTheirBinding)
{
    TLineSeries* a = chart.AddSeries<TLineSeries>();
    TLineSeries* b = chart.AddSeries<TLineSeries>();
    TLineSeries* r = chart.AddSeries<TLineSeries>();
    r->SetVertAxis(bindRight);
    a->AddPoint(0, -5);
    a->AddPoint(10, 5);
    b->AddPoint(-20, 2);
    b->AddPoint(3, 40);
    r->AddPoint(100, 1000);
    const TPlotFrame f = Layout();
    EXPECT_EQ(Ends(chart.BottomAxis()), std::pair(-20.0, 100.0));
    EXPECT_EQ(Ends(chart.LeftAxis()), std::pair(-5.0, 40.0));
    EXPECT_EQ(Ends(chart.RightAxis()), std::pair(1000.0, 1000.0));
    EXPECT_TRUE(f.Axes[3].Shown);

    b->SetActive(false);
    Layout();
    EXPECT_EQ(chart.LeftAxis().Maximum(), 5) << "an inactive series does not count beside an active one";
    a->SetActive(false);
    Layout();
    EXPECT_EQ(Ends(chart.LeftAxis()), std::pair(-5.0, 40.0)) << "with none active, all count";

    a->ClearPoints();
    b->ClearPoints();
    r->ClearPoints();
    Layout();
    EXPECT_EQ(Ends(chart.LeftAxis()), std::pair(0.0, 0.0));
    EXPECT_EQ(Ends(chart.BottomAxis()), std::pair(0.0, 0.0));
}

TEST_F(ChartLayoutTest, MarkersPadTheAutomaticEndsOnly)
{
    TLineSeries* s = AddDotSeries(chart, Colors::Lime, Colors::Red);
    for (int i = 0; i < 100; ++i)
        s->AddPoint(i, i % 7);
    TPlotFrame f = Layout();
    const TAxisScale& h = f.Axes[0].Scale;
    const TAxisScale& v = f.Axes[2].Scale;
    // HorizSize 2 + 1 pixels at each end.
    EXPECT_EQ(AxisValueToPixel(h, 0), h.Start + 3);
    EXPECT_EQ(AxisValueToPixel(h, 99), h.End - 3);
    EXPECT_EQ(AxisValueToPixel(v, 0), v.End - 3);
    EXPECT_EQ(AxisValueToPixel(v, 6), v.Start + 3);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 0) << "the range itself stays unpadded";

    // Frozen after a draw, then a maximum of 50: exactly 0 .. 50, no padding.
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetMaximum(50);
    f = Layout();
    EXPECT_EQ(h.Minimum, 0);
    EXPECT_EQ(h.Maximum, 50);
    EXPECT_EQ(AxisValueToPixel(h, 0), h.Start);
    EXPECT_EQ(AxisValueToPixel(h, 50), h.End);

    s->Pointer().SetVisible(false);
    f = Layout();
    EXPECT_EQ(AxisValueToPixel(v, 0), v.End) << "hidden markers ask for no room";
}

TEST_F(ChartLayoutTest, VisibleRangeIncludesThePointPastTheRightEdge)
{
    TLineSeries* s = chart.AddSeries<TLineSeries>();
    auto shown = [&] {
        const TSeriesFrame f = Layout().SeriesAt(0);
        return std::pair{f.FirstShownIndex, f.LastShownIndex};
    };
    EXPECT_EQ(shown(), std::pair(-1, -1)) << "no points";
    for (int i = 0; i < 100; ++i)
        s->AddPoint(i, i);
    EXPECT_EQ(shown(), std::pair(0, 99));
    chart.BottomAxis().SetBothEnds(10.5, 20.2);
    EXPECT_EQ(shown(), std::pair(11, 21));
    chart.BottomAxis().SetBothEnds(98.5, 300);
    EXPECT_EQ(shown(), std::pair(99, 99));
    chart.BottomAxis().SetBothEnds(150, 300);
    EXPECT_EQ(shown(), std::pair(-1, -1));
    chart.BottomAxis().SetBothEnds(0, 50);
    s->SetActive(false);
    EXPECT_EQ(shown(), std::pair(-1, -1)) << "an inactive series shows nothing";
}

TEST_F(ChartLayoutTest, LabelStyleResolution)
{
    EXPECT_EQ(EffectiveLabelStyle(chart, chart.BottomAxis()), lsNone);
    TAreaSeries* spectrum = chart.AddSeries<TAreaSeries>();
    spectrum->AddPoint(0, 1);
    EXPECT_EQ(EffectiveLabelStyle(chart, chart.BottomAxis()), lsValue) << "no label at index 0";
    spectrum->ClearPoints();
    spectrum->AddPoint(0, 1, "0,5");
    EXPECT_EQ(EffectiveLabelStyle(chart, chart.BottomAxis()), lsText);
    EXPECT_EQ(EffectiveLabelStyle(chart, chart.LeftAxis()), lsValue) << "a vertical axis always shows values";
    chart.BottomAxis().LabelStyle = lsValue;
    EXPECT_EQ(EffectiveLabelStyle(chart, chart.BottomAxis()), lsValue);
}

TEST_F(ChartLayoutTest, RotatedTextLabelsAreThinnedAndGiveTheTicks)
{
    TAxis& bottom = chart.BottomAxis();
    bottom.LabelsAngle = 90;
    bottom.LabelsFont.PixelSize = 15;
    TAreaSeries* s = chart.AddSeries<TAreaSeries>();
    for (int k = 0; k < 64; ++k)
        s->AddPoint(k, k % 5, std::string("f").append(std::to_string(k)));
    const TPlotFrame l = Layout(400, 300);
    const TAxisFrame& d = l.Axes[0];
    ASSERT_EQ(d.Style, lsText);
    ASSERT_GE(d.Labels.size(), 2u);
    EXPECT_EQ(d.Labels[0].Text, "f0");
    // The band is the widest label (text across the axis): "f63" is 3 characters.
    EXPECT_EQ(d.LabelBand, 24);
    EXPECT_GE(d.Labels[1].Position - d.Labels[0].Position, 16);
    for (size_t i = 2; i < d.Labels.size(); ++i)
        EXPECT_GE(d.Labels[i].Position - d.Labels[i - 1].Position, 18) << "label " << i;
    EXPECT_LT(d.Labels.size(), 64u) << "labels six pixels apart must be thinned";
    ASSERT_EQ(d.Ticks.size(), d.Labels.size());
    for (size_t i = 0; i < d.Labels.size(); ++i)
        EXPECT_EQ(d.Ticks[i], d.Labels[i].Position) << "label " << i;
}

TEST_F(ChartLayoutTest, ValueLabelsFitTheFinalSpan)
{
    TLineSeries* s = chart.AddSeries<TLineSeries>();
    s->AddPoint(0, 0);
    s->AddPoint(999, 999);
    const TPlotFrame l = Layout(800, 400);
    // Margins 24 at the sides, 16 at top and bottom. The left axis: 367
    // pixels over 11 + 1 per label fit 31 labels, so step 50; its widest
    // label "950" and a blank take 32, its pen and ticks 6: the plot runs
    // from 62 to 775. There, labels "999" of 24 + 2 pixels fit 27 times:
    // step 20 would give 50 labels, step 50 gives 20.
    EXPECT_EQ(l.PlotRect.Left, 62);
    EXPECT_EQ(l.PlotRect.Right, 775);
    const TAxisFrame& d = l.Axes[0];
    ASSERT_EQ(d.Style, lsValue);
    EXPECT_EQ(d.Step, 50);
    ASSERT_EQ(d.Labels.size(), 20u);
    EXPECT_EQ(d.Labels.front().Text, "950");
    EXPECT_EQ(d.Labels.back().Text, "0");
    EXPECT_EQ(d.Labels.back().Position, 62);
    for (size_t i = 1; i < d.Labels.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.Labels[i].Value, 950 - 50.0 * double(i));
        EXPECT_LT(d.Labels[i].Position, d.Labels[i - 1].Position);
    }
    EXPECT_EQ(d.Ticks.size(), 20u);

    // A span too short for one label gets none, however small its range (the
    // smallest step gave 0 .. 1e-10 a hundred labels in a few pixels).
    chart.LeftAxis().SetBothEnds(0, 1e-10);
    const TPlotFrame low = Layout(800, 25);
    EXPECT_LT(low.Axes[2].Scale.Span(), 6); // under half of 11 + 1
    EXPECT_TRUE(low.Axes[2].Labels.empty());
}

} // namespace
