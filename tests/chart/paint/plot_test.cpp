#include "chart/paint/plot.h"

#include "chart/chart_test_support.h"
#include "runtime/code_page.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class PlotWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TAxisPanel& c = widget;
        c.MarginLeft = c.MarginRight = c.MarginTop = c.MarginBottom = 2;
        c.Gradient = {true, Colors::Black, 2113054};
        series = AddDotSeries(c, 33023, Colors::Red);
        for (int i = 0; i < 50; ++i)
            series->AddPoint(i, i % 5);
        widget.resize(400, 300);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        widget.RenderNow();
    }
    QPoint PixelOf(int i) const
    {
        const TPixelPoint p = widget.Frame().SeriesAt(0).PixelOf(*series, i);
        return {p.X, p.Y};
    }
    TPlot widget;
    TLineSeries* series = nullptr;
};

TEST_F(PlotWidgetTest, MouseClickOnAPointReachesTheSeriesHandler)
{
    int clicked = -1;
    TPressButton button = TPressButton::Middle;
    series->OnClick = [&](TSeries&, int i, TPressButton b, TPressFlags, int, int) {
        clicked = i;
        button = b;
    };
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, PixelOf(12));
    EXPECT_EQ(clicked, 12);
    EXPECT_EQ(button, TPressButton::Left);
    EXPECT_FALSE(widget.ZoomRecord.Active);
}

TEST_F(PlotWidgetTest, AtRatioTwoTheMouseWorksInLogicalPixels)
{
    int clicked = -1;
    series->OnClick = [&](TSeries&, int i, TPressButton, TPressFlags, int, int) { clicked = i; };
    widget.SetPixelRatio(2);
    widget.RenderNow();
    // Device pixel (x, y) lies in logical pixel (x / 2, y / 2).
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, PixelOf(12) / 2);
    EXPECT_EQ(clicked, 12);
    // A drag of 12 logical pixels is 24 device pixels, still under the 16
    // logical pixels a zoom needs.
    const TPixelRect r = widget.Frame().PlotRect;
    const QPoint from(r.Left / 2 + 20, r.Top / 2 + 5);
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, from + QPoint(12, 12));
    EXPECT_TRUE(widget.BottomAxis().Automatic());
}

TEST_F(PlotWidgetTest, LeftDragZoomsAndRepaintsOnlyWhenSomethingChanged)
{
    const int renders = widget.RenderCount();
    widget.repaint();
    widget.repaint();
    EXPECT_EQ(widget.RenderCount(), renders) << "an unchanged chart is only copied";

    const QImage before = widget.RenderNow().copy();
    const TPixelRect r = widget.Frame().PlotRect;
    const QPoint from(r.Left + 30, r.Top + 3), to(r.Left + 200, r.Top + 150);
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, from);
    ASSERT_TRUE(widget.ZoomRecord.Active);
    QTest::mouseMove(&widget, to);
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_FALSE(widget.BottomAxis().Automatic());
    EXPECT_TRUE(widget.RepaintPending());
    widget.repaint();
    EXPECT_GT(widget.RenderCount(), renders);
    EXPECT_NE(widget.RenderNow(), before);
}

TEST_F(PlotWidgetTest, WheelAndHint)
{
    const double max = widget.LeftAxis().Maximum();
    const double min = widget.LeftAxis().Minimum();
    QWheelEvent wheel(QPointF(100, 100), widget.mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
    EXPECT_NEAR(widget.LeftAxis().Maximum(), max + (max - min) * 0.03, 1e-9);
    widget.SetHint(Cp("X: 17  Y:-45"));
    EXPECT_EQ(widget.toolTip(), QString::fromUtf8("X: 17  Y:-45"));
}

// Aligned 2 x 2 blocks of the rectangle that are not of one colour: none in a
// picture drawn at ratio 1 and doubled.
int MixedBlocks(const QImage& image, int left, int top, int right, int bottom)
{
    int mixed = 0;
    for (int y = top & ~1; y + 1 <= bottom; y += 2)
        for (int x = left & ~1; x + 1 <= right; x += 2) {
            const QRgb c = image.pixel(x, y);
            mixed +=
                image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c || image.pixel(x + 1, y + 1) != c;
        }
    return mixed;
}

TEST(PlotPixelRatio, TwiceTheSizeLinesTwoDevicePixelsWideTextAndSlopesAtFullResolution)
{
    for (int ratio : {1, 2}) {
        SCOPED_TRACE(ratio);
        TPlot widget;
        TAxisPanel& c = widget;
        c.Color = Colors::White;
        TLineSeries* level = c.AddSeries<TLineSeries>();
        level->SetSeriesColor(Colors::Blue);
        for (double x : {0, 25, 100})
            level->AddPoint(x, 5);
        TLineSeries* slope = c.AddSeries<TLineSeries>();
        slope->SetSeriesColor(Colors::Red);
        slope->AddPoint(0, 0);
        slope->AddPoint(100, 10);
        widget.resize(300, 200);
        widget.SetPixelRatio(ratio);
        const QImage& image = widget.RenderNow();
        EXPECT_EQ(image.size(), QSize(300 * ratio, 200 * ratio));
        EXPECT_EQ(image.devicePixelRatio(), ratio);

        // The level line crosses the column of x = 25 in `ratio` rows, all
        // of the pure series colour.
        const TPlotFrame& frame = widget.Frame();
        const int column = frame.SeriesAt(0).PixelOf(*level, 1).X;
        int blue = 0;
        for (int y = 0; y < image.height(); ++y)
            blue += (image.pixel(column, y) & 0xffffffu) == 0x0000ffu;
        EXPECT_EQ(blue, ratio);

        if (ratio == 2) {
            const TPixelRect plot = frame.PlotRect;
            EXPECT_GT(MixedBlocks(image, plot.Left, plot.Top, plot.Right, plot.Bottom), 0) << "the slope";
            EXPECT_GT(MixedBlocks(image, 0, plot.Top, plot.Left - 1, plot.Bottom), 0) << "the left labels";
        }
    }
}

} // namespace
