#include "chart/plot_layout.h"

#include "chart_test_support.h"
#include "runtime/exceptions.h"
#include "text/number_format.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class ChartLayoutTest : public ::testing::Test {
protected:
    TPlotLayout Layout(int w = 400, int h = 300) { return LayoutPlot(chart, measure, w, h); }
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

    const TPlotLayout l = Layout();
    // Margins: 400 * 2 / 100 = 8 at the sides, 300 * 2 / 100 = 6 at top and bottom.
    // Bottom: title 11 + labels 16 + axis pen 2. Left: widest label "1000" plus a blank.
    const int leftBand = measure.TextWidth({}, PatternText("##0.##", 1000)) + 8;
    EXPECT_EQ(l.PlotRect, (TPixelRect{8 + leftBand, 6, 399 - 8, 299 - 6 - 29}));
    EXPECT_EQ(chart.PlotRect, l.PlotRect);
    EXPECT_EQ(bottom.TitleBand, 11);
    EXPECT_EQ(bottom.LabelBand, 16);
    EXPECT_EQ(bottom.TickBand, 2);
    EXPECT_EQ(left.TickBand, 0);
    // Every axis, shown or not, spans its side of the plot.
    EXPECT_EQ(bottom.Scale.Start, l.PlotRect.Left);
    EXPECT_EQ(bottom.Scale.End, l.PlotRect.Right);
    EXPECT_EQ(chart.RightAxis().Scale.Start, l.PlotRect.Top);
    EXPECT_EQ(chart.RightAxis().Scale.End, l.PlotRect.Bottom);
    EXPECT_FALSE(chart.RightAxis().Shown);
    EXPECT_FALSE(chart.TopAxis().Shown);
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
    Layout();
    EXPECT_EQ(chart.BottomAxis().Minimum(), -20);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 100);
    EXPECT_EQ(chart.LeftAxis().Minimum(), -5);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 40);
    EXPECT_EQ(chart.RightAxis().Minimum(), 1000);
    EXPECT_EQ(chart.RightAxis().Maximum(), 1000);
    EXPECT_TRUE(chart.RightAxis().Shown);

    b->SetActive(false);
    Layout();
    EXPECT_EQ(chart.LeftAxis().Maximum(), 5) << "an inactive series does not count beside an active one";
    a->SetActive(false);
    Layout();
    EXPECT_EQ(chart.LeftAxis().Minimum(), -5) << "with none active, all count";
    EXPECT_EQ(chart.LeftAxis().Maximum(), 40);

    a->ClearPoints();
    b->ClearPoints();
    r->ClearPoints();
    Layout();
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 0);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 0);
}

TEST_F(ChartLayoutTest, MarkersPadTheAutomaticEndsOnly)
{
    TLineSeries* s = AddDotSeries(chart, Colors::Lime, Colors::Red);
    for (int i = 0; i < 100; ++i)
        s->AddPoint(i, i % 7);
    Layout();
    const TAxisScale& h = chart.BottomAxis().Scale;
    const TAxisScale& v = chart.LeftAxis().Scale;
    // HorizSize 2 + 1 pixels at each end.
    EXPECT_EQ(AxisValueToPixel(h, 0), h.Start + 3);
    EXPECT_EQ(AxisValueToPixel(h, 99), h.End - 3);
    EXPECT_EQ(AxisValueToPixel(v, 0), v.End - 3);
    EXPECT_EQ(AxisValueToPixel(v, 6), v.Start + 3);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 0) << "the range itself stays unpadded";

    // Frozen after a draw, then a maximum of 50: exactly 0 .. 50, no padding.
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetMaximum(50);
    Layout();
    EXPECT_EQ(h.Minimum, 0);
    EXPECT_EQ(h.Maximum, 50);
    EXPECT_EQ(AxisValueToPixel(h, 0), h.Start);
    EXPECT_EQ(AxisValueToPixel(h, 50), h.End);
    EXPECT_THROW(chart.BottomAxis().SetMaximum(-1), EChartAxisError);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 50);

    s->Pointer().SetVisible(false);
    Layout();
    EXPECT_EQ(AxisValueToPixel(v, 0), v.End) << "hidden markers ask for no room";
}

TEST_F(ChartLayoutTest, VisibleRangeIncludesThePointPastTheRightEdge)
{
    TLineSeries* s = chart.AddSeries<TLineSeries>();
    EXPECT_EQ(s->FirstShownIndex, -1);
    Layout();
    EXPECT_EQ(s->FirstShownIndex, -1) << "no points";
    for (int i = 0; i < 100; ++i)
        s->AddPoint(i, i);
    Layout();
    EXPECT_EQ(s->FirstShownIndex, 0);
    EXPECT_EQ(s->LastShownIndex, 99);
    chart.BottomAxis().SetMinMax(10.5, 20.2);
    Layout();
    EXPECT_EQ(s->FirstShownIndex, 11);
    EXPECT_EQ(s->LastShownIndex, 21);
    chart.BottomAxis().SetMinMax(98.5, 300);
    Layout();
    EXPECT_EQ(s->FirstShownIndex, 99);
    EXPECT_EQ(s->LastShownIndex, 99);
    chart.BottomAxis().SetMinMax(150, 300);
    Layout();
    EXPECT_EQ(s->FirstShownIndex, -1);
    EXPECT_EQ(s->LastShownIndex, -1);
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
        s->AddPoint(k, k % 5, "f" + std::to_string(k));
    const TPlotLayout l = Layout(400, 300);
    const TAxisDrawing& d = l.Axes[0];
    ASSERT_EQ(d.Style, lsText);
    ASSERT_GE(d.Labels.size(), 2u);
    EXPECT_EQ(d.Labels[0].Text, "f0");
    // The band is the widest label (text across the axis): "f63" is 3 characters.
    EXPECT_EQ(bottom.LabelBand, 24);
    EXPECT_GE(d.Labels[1].Position - d.Labels[0].Position, 16);
    for (size_t i = 2; i < d.Labels.size(); ++i)
        EXPECT_GE(d.Labels[i].Position - d.Labels[i - 1].Position, 18);
    EXPECT_LT(d.Labels.size(), 64u) << "labels six pixels apart must be thinned";
    ASSERT_EQ(d.Ticks.size(), d.Labels.size());
    for (size_t i = 0; i < d.Labels.size(); ++i)
        EXPECT_EQ(d.Ticks[i], d.Labels[i].Position);
}

TEST_F(ChartLayoutTest, ValueLabelsFitTheFinalSpan)
{
    TLineSeries* s = chart.AddSeries<TLineSeries>();
    s->AddPoint(0, 0);
    s->AddPoint(999, 999);
    const TPlotLayout l = Layout(800, 400);
    const TAxisDrawing& d = l.Axes[0];
    ASSERT_EQ(d.Style, lsValue);
    ASSERT_FALSE(d.Labels.empty());
    for (size_t i = 1; i < d.Labels.size(); ++i) {
        EXPECT_NEAR(d.Labels[i - 1].Value - d.Labels[i].Value, d.Step, 1e-9);
        EXPECT_LT(d.Labels[i].Position, d.Labels[i - 1].Position);
    }
    for (const TAxisLabel& lab : d.Labels)
        EXPECT_EQ(std::fmod(lab.Value, d.Step), 0) << "labels at multiples of the step";
}

} // namespace
