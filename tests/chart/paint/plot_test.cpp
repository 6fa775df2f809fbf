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

} // namespace
