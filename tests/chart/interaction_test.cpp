#include "chart/interaction/plot_interaction.h"

#include "chart/interaction/clicked_part.h"

#include "chart_test_support.h"

#include <gtest/gtest.h>

namespace {

// The value at a pixel, worked out here: the range spread evenly over the
// span, growing rightward on a horizontal axis and upward on a vertical one.
double ValueAtPixel(const TAxisScale& s, int p)
{
    const double t = (p - s.Start) * (s.Maximum - s.Minimum) / (s.End - s.Start);
    return s.Horizontal ? s.Minimum + t : s.Maximum - t;
}

// A data chart of the window's size with the three curves, laid out with
// fixed metrics.
class InteractionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chart.MarginLeft = chart.MarginTop = chart.MarginRight = chart.MarginBottom = 2;
        chart.RightAxis().Visible = false;
        chart.TopAxis().Visible = false;
        data = AddDotSeries(chart, 33023, Colors::Red);
        corr = AddDotSeries(chart, Colors::Aqua, Colors::Blue);
        corr->SetVertAxis(bindRight);
        pattern = AddDotSeries(chart, Colors::Lime, Colors::Yellow);
        for (int i = 0; i < 100; ++i) {
            data->AddPoint(i, (i % 10) * 10);
            corr->AddPoint(i, 100 - i);
        }
        interaction.OnDrawZoomRectangle = [this](const TDragRecord&) { ++rectangleDrawings; };
        Layout();
    }
    void Layout() { frame = LayOut(chart, measure, 645, 381); }
    // Where point i of series `series` (0 data, 1 correlation, 2 pattern) was laid out.
    TPixelPoint PixelOf(int series, int i) const
    {
        return frame.SeriesAt(series).PixelOf(*chart.SeriesAt(series), i);
    }
    // A plot pixel with no curve near it.
    TPixelPoint Empty() const { return {frame.PlotRect.Left + 150, frame.PlotRect.Top + 5}; }
    TClickedPart PartAt(int x, int y) const { return FindClickedPart(chart, frame, x, y); }
    std::array<TAxisState, 4> Axes() const
    {
        std::array<TAxisState, 4> s;
        for (size_t i = 0; i < 4; ++i) {
            const TAxis& a = chart.Axes()[i];
            s[i] = {a.Automatic(), a.AutomaticMinimum(), a.AutomaticMaximum(), a.Minimum(), a.Maximum()};
        }
        return s;
    }
    void Drag(TPressButton b, int x0, int y0, int x1, int y1)
    {
        interaction.MouseDown(frame, b, 0, x0, y0);
        interaction.MouseMove(frame, (x0 + x1) / 2, (y0 + y1) / 2);
        interaction.MouseMove(frame, x1, y1);
        interaction.MouseUp(frame, b, x1, y1);
    }

    TAxisPanel chart;
    TFixedMeasure measure;
    TPlotFrame frame;
    TPlotInteraction interaction{chart};
    TLineSeries* data = nullptr;
    TLineSeries* corr = nullptr;
    TLineSeries* pattern = nullptr;
    int rectangleDrawings = 0;
};

TEST_F(InteractionTest, ClickOnACurveRaisesItsHandlerAndStartsNoZoom)
{
    std::vector<std::pair<TSeries*, int>> clicks;
    data->OnClick = [&](TSeries& s, int i, TPressButton, TPressFlags, int, int) {
        clicks.push_back({&s, i});
    };
    const TPixelPoint p = PixelOf(0, 17);
    interaction.MouseDown(frame, TPressButton::Left, 0, p.X, p.Y);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].first, data);
    EXPECT_EQ(clicks[0].second, 17);
    EXPECT_FALSE(chart.ZoomRecord.Active);
    EXPECT_FALSE(chart.PressConsumed) << "cleared after the dispatch";
    // The right button and a double click read the point out as well.
    interaction.MouseDown(frame, TPressButton::Right, 0, p.X, p.Y);
    interaction.MouseDown(frame, TPressButton::Left, pressDouble, p.X, p.Y);
    EXPECT_EQ(clicks.size(), 3u);
    EXPECT_FALSE(chart.PanRecord.Active);
}

TEST_F(InteractionTest, LaterSeriesAreTestedFirstAndWithoutHandlerStartAZoom)
{
    int dataClicks = 0;
    data->OnClick = [&](TSeries&, int, TPressButton, TPressFlags, int, int) { ++dataClicks; };
    for (int i = 0; i < 100; ++i)
        pattern->AddPoint(i, (i % 10) * 10); // on the very pixels of the data curve
    Layout();
    const TPixelPoint p = PixelOf(0, 33);
    EXPECT_EQ(PartAt(p.X, p.Y).SeriesIndex, 2);
    interaction.MouseDown(frame, TPressButton::Left, 0, p.X, p.Y);
    EXPECT_EQ(dataClicks, 0);
    EXPECT_TRUE(chart.ZoomRecord.Active);
    EXPECT_EQ(rectangleDrawings, 1);
    interaction.MouseUp(frame, TPressButton::Left, p.X, p.Y);
    pattern->SetActive(false);
    EXPECT_EQ(PartAt(p.X, p.Y).SeriesIndex, 0) << "inactive series are skipped";
    // Outside the plot and every axis: nothing.
    EXPECT_EQ(PartAt(1, 1).Part, TPlotPart::None);
    EXPECT_EQ(PartAt(Empty().X, Empty().Y).Part, TPlotPart::Background);
    // The bottom axis answers from 3 pixels below the plot to its tick band
    // (axis pen 2 + ticks 4); a press there starts a zoom as well.
    const int x = frame.PlotRect.Left + 10, bottom = frame.PlotRect.Bottom;
    EXPECT_EQ(PartAt(x, bottom + 3).Part, TPlotPart::Axis);
    EXPECT_EQ(PartAt(x, bottom + 6).Part, TPlotPart::Axis);
    EXPECT_EQ(PartAt(x, bottom + 7).Part, TPlotPart::None);
    interaction.MouseDown(frame, TPressButton::Left, 0, x, bottom + 4);
    EXPECT_TRUE(chart.ZoomRecord.Active);
}

TEST_F(InteractionTest, DragRightDownZoomsAllFourAxesReverseDragsUndo)
{
    const auto before = Axes();
    const TAxisScale bottom = frame.Axes[0].Scale, left = frame.Axes[2].Scale, right = frame.Axes[3].Scale;
    Drag(TPressButton::Left, 100, 100, 200, 180);
    EXPECT_FALSE(chart.AxisSnapshot.ViewRestored);
    EXPECT_EQ(rectangleDrawings, 1 + 2 * 2 + 1) << "start, erase+draw per move, erase at release";
    EXPECT_NEAR(chart.BottomAxis().Minimum(), ValueAtPixel(bottom, 100), 1e-9);
    EXPECT_NEAR(chart.BottomAxis().Maximum(), ValueAtPixel(bottom, 200), 1e-9);
    EXPECT_NEAR(chart.LeftAxis().Minimum(), ValueAtPixel(left, 180), 1e-9);
    EXPECT_NEAR(chart.LeftAxis().Maximum(), ValueAtPixel(left, 100), 1e-9);
    EXPECT_NEAR(chart.RightAxis().Minimum(), ValueAtPixel(right, 180), 1e-9);
    EXPECT_NEAR(chart.RightAxis().Maximum(), ValueAtPixel(right, 100), 1e-9);
    for (const TAxis& a : chart.Axes())
        EXPECT_FALSE(a.Automatic());
    // After the next paint the dragged rectangle fills the plot.
    Layout();
    EXPECT_NEAR(ValueAtPixel(frame.Axes[0].Scale, frame.PlotRect.Left), ValueAtPixel(bottom, 100), 1e-9);
    EXPECT_NEAR(ValueAtPixel(frame.Axes[2].Scale, frame.PlotRect.Top), ValueAtPixel(left, 100), 1e-9);

    // A second zoom keeps the snapshot of the first view.
    Drag(TPressButton::Left, 150, 150, 300, 300);
    Drag(TPressButton::Left, 200, 180, 100, 100); // up and left
    EXPECT_EQ(Axes()[0].Automatic, before[0].Automatic);
    EXPECT_TRUE(chart.BottomAxis().Automatic() && chart.LeftAxis().Automatic());
    EXPECT_TRUE(chart.AxisSnapshot.ViewRestored);

    Layout();
    Drag(TPressButton::Left, 100, 100, 200, 180);
    Drag(TPressButton::Left, 100, 180, 200, 100); // right but up: also an undo
    EXPECT_TRUE(chart.BottomAxis().Automatic());
}

TEST_F(InteractionTest, SixteenPixelsOrLessChangeNothing)
{
    const auto before = Axes();
    Drag(TPressButton::Left, 100, 100, 116, 200);
    Drag(TPressButton::Left, 100, 100, 300, 116);
    Drag(TPressButton::Left, 100, 100, 84, 60);
    const auto after = Axes();
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(after[i].Automatic, before[i].Automatic);
        EXPECT_EQ(after[i].Maximum, before[i].Maximum);
    }
    Drag(TPressButton::Left, 100, 100, 117, 117);
    EXPECT_FALSE(chart.BottomAxis().Automatic()) << "17 pixels zoom";
}

TEST_F(InteractionTest, RightDragPansUntilTheMouseLeavesThePlot)
{
    const TPixelPoint e = Empty();
    const TAxisScale bottom = frame.Axes[0].Scale, left = frame.Axes[2].Scale;
    const double bottomMin = chart.BottomAxis().Minimum(), leftMax = chart.LeftAxis().Maximum();
    interaction.MouseDown(frame, TPressButton::Right, 0, e.X, e.Y);
    ASSERT_TRUE(chart.PanRecord.Active);
    EXPECT_FALSE(chart.ZoomRecord.Active);
    interaction.MouseMove(frame, e.X + 40, e.Y + 20);
    // The picture follows the mouse: the range moves the other way.
    const double dx = ValueAtPixel(bottom, e.X) - ValueAtPixel(bottom, e.X + 40);
    const double dy = ValueAtPixel(left, e.Y) - ValueAtPixel(left, e.Y + 20);
    EXPECT_NEAR(chart.BottomAxis().Minimum(), bottomMin + dx, 1e-9);
    EXPECT_NEAR(chart.LeftAxis().Maximum(), leftMax + dy, 1e-9);
    EXPECT_LT(dx, 0);
    EXPECT_GT(dy, 0);
    EXPECT_FALSE(chart.AxisSnapshot.ViewRestored);

    interaction.MouseMove(frame, frame.PlotRect.Right + 5, e.Y + 20);
    EXPECT_FALSE(chart.PanRecord.Active);
    const double frozen = chart.BottomAxis().Minimum();
    interaction.MouseMove(frame, e.X, e.Y);
    EXPECT_EQ(chart.BottomAxis().Minimum(), frozen) << "the pan ended";
    interaction.MouseUp(frame, TPressButton::Right, e.X, e.Y);
    EXPECT_FALSE(chart.BottomAxis().Automatic()) << "the axes stay where the pan left them";
    interaction.UndoZoom();
    EXPECT_TRUE(chart.BottomAxis().Automatic());
    Layout();
    EXPECT_EQ(chart.BottomAxis().Minimum(), bottomMin);
}

TEST_F(InteractionTest, ARightClickIsAReleaseWhereThePressWasWithNoMoveBetween)
{
    std::vector<std::pair<int, int>> clicks;
    interaction.OnRightClick = [&](int x, int y) { clicks.push_back({x, y}); };
    const TPixelPoint e = Empty();
    interaction.MouseDown(frame, TPressButton::Right, 0, e.X, e.Y);
    interaction.MouseMove(frame, e.X, e.Y); // a move event to the same pixel moves nothing
    interaction.MouseUp(frame, TPressButton::Right, e.X, e.Y);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], std::make_pair(e.X, e.Y));
    EXPECT_TRUE(chart.BottomAxis().Automatic());

    // On a curve whose handler takes the press no pan starts; still a click.
    data->OnClick = [](TSeries&, int, TPressButton, TPressFlags, int, int) {};
    const TPixelPoint p = PixelOf(0, 17);
    interaction.MouseDown(frame, TPressButton::Right, 0, p.X, p.Y);
    interaction.MouseUp(frame, TPressButton::Right, p.X, p.Y);
    EXPECT_EQ(clicks.size(), 2u);

    // One pixel of movement pans, even when the mouse comes back: no click.
    interaction.MouseDown(frame, TPressButton::Right, 0, e.X, e.Y);
    interaction.MouseMove(frame, e.X + 1, e.Y);
    EXPECT_FALSE(chart.BottomAxis().Automatic()) << "panned";
    interaction.MouseMove(frame, e.X, e.Y);
    interaction.MouseUp(frame, TPressButton::Right, e.X, e.Y);
    // Released elsewhere with no move reported, or the left button: no click.
    interaction.MouseDown(frame, TPressButton::Right, 0, e.X, e.Y);
    interaction.MouseUp(frame, TPressButton::Right, e.X, e.Y + 1);
    interaction.MouseDown(frame, TPressButton::Left, 0, e.X, e.Y);
    interaction.MouseUp(frame, TPressButton::Left, e.X, e.Y);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(InteractionTest, WheelScrollsVerticalAxesByThreePercent)
{
    chart.LeftAxis().SetBothEnds(0, 100);
    chart.RightAxis().SetBothEnds(-50, 150);
    int repaints = 0;
    interaction.OnRepaintNow = [&] { ++repaints; };
    interaction.Wheel(-120);
    EXPECT_NEAR(chart.LeftAxis().Minimum(), 3, 1e-12);
    EXPECT_NEAR(chart.LeftAxis().Maximum(), 103, 1e-12);
    EXPECT_NEAR(chart.RightAxis().Minimum(), -44, 1e-12);
    interaction.Wheel(240);
    EXPECT_NEAR(chart.LeftAxis().Minimum(), -3, 1e-9) << "two notches up, 3 each";
    EXPECT_EQ(chart.BottomAxis().Automatic(), true) << "horizontal axes stay";
    EXPECT_FALSE(chart.LeftAxis().AutomaticMaximum());
    EXPECT_EQ(repaints, 3);

    // A touchpad's thirds of a notch scroll once, at the third.
    chart.LeftAxis().SetBothEnds(0, 100);
    interaction.Wheel(40);
    interaction.Wheel(40);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0);
    EXPECT_EQ(repaints, 3);
    interaction.Wheel(40);
    EXPECT_NEAR(chart.LeftAxis().Minimum(), -3, 1e-12);
    EXPECT_NEAR(chart.LeftAxis().Maximum(), 97, 1e-12);
    EXPECT_EQ(repaints, 4);
    interaction.Wheel(-40);
    interaction.Wheel(40);
    EXPECT_EQ(repaints, 4) << "parts turned back and forth cancel";
}

TEST_F(InteractionTest, UndoWithoutZoomOnlyRepaintsAndFrozenAxesComeBackFrozen)
{
    chart.BottomAxis().SetAutomatic(false);
    chart.BottomAxis().SetMaximum(50);
    Layout();
    interaction.UndoZoom();
    EXPECT_EQ(chart.BottomAxis().Maximum(), 50);
    Drag(TPressButton::Left, 100, 100, 200, 180);
    EXPECT_NE(chart.BottomAxis().Maximum(), 50);
    interaction.UndoZoom();
    EXPECT_FALSE(chart.BottomAxis().Automatic());
    EXPECT_EQ(chart.BottomAxis().Maximum(), 50);
    EXPECT_TRUE(chart.LeftAxis().Automatic());
}

} // namespace
