#include "chart/paint/plot_renderer.h"

#include "chart/chart_test_support.h"
#include "chart/paint/gradient_fill.h"
#include "chart/paint/series_renderer.h"
#include "chart/raster/pixel_raster.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {

QRgb Rgb(TWindowsColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)) | 0xff000000u; }
QRgb At(const QImage& img, int x, int y) { return img.pixel(x, y) | 0xff000000u; }

// Independent per-pixel version of the line rule: step t along the major axis,
// minor offset floor((2 t |d| + n) / (2 n)).
std::set<std::pair<int, int>> DdaPixels(int x0, int y0, int x1, int y1, int left, int right)
{
    std::set<std::pair<int, int>> px;
    const int dx = x1 - x0, dy = y1 - y0, n = std::max(std::abs(dx), std::abs(dy));
    for (int t = 0; t <= n; ++t) {
        int x = x0, y = y0;
        if (n > 0) {
            const bool xMajor = std::abs(dx) >= std::abs(dy);
            const int minorD = xMajor ? std::abs(dy) : std::abs(dx);
            const int off = int(std::floor((2.0 * t * minorD + n) / (2.0 * n)));
            if (xMajor) {
                x = x0 + (dx < 0 ? -t : t);
                y = y0 + (dy < 0 ? -off : off);
            } else {
                y = y0 + (dy < 0 ? -t : t);
                x = x0 + (dx < 0 ? -off : off);
            }
        }
        if (x >= left && x <= right)
            px.insert({x, y});
    }
    return px;
}

TEST(RasterLine, RunsCoverExactlyThePixelsOfTheStepRule)
{
    const int lines[][4] = {{0, 0, 10, 3},  {0, 0, 3, 10},  {10, 3, 0, 0},   {3, 10, 0, 0},  {0, 0, 0, 7},
                            {5, 5, 5, -4},  {0, 0, -9, 9},  {2, -3, 20, 40}, {-5, 7, 31, 6}, {4, 4, 4, 4},
                            {0, 0, 2, 100}, {0, 100, 7, 0}, {-40, 3, 60, 9}};
    for (const auto& l : lines)
        for (auto [left, right] : {std::pair{-100, 100}, std::pair{1, 4}, std::pair{-3, 0}}) {
            SCOPED_TRACE(testing::Message() << l[0] << "," << l[1] << " -> " << l[2] << "," << l[3]
                                            << " clip " << left << ".." << right);
            std::set<std::pair<int, int>> got;
            int lastColumn = INT32_MIN;
            bool columnsOnce = true;
            RasterLine(l[0], l[1], l[2], l[3], left, right, [&](int x, int a, int b) {
                columnsOnce = columnsOnce && x != lastColumn;
                lastColumn = x;
                EXPECT_LE(a, b);
                for (int y = a; y <= b; ++y)
                    got.insert({x, y});
            });
            EXPECT_TRUE(columnsOnce);
            EXPECT_EQ(got, DdaPixels(l[0], l[1], l[2], l[3], left, right));
        }
}

TEST(MarkerShape, SmallCircleIsARimmedDotAndRectangleOneLarger)
{
    const TMarkerShape circle = MakeMarkerShape(true, 2, 2);
    int fill = 0, rim = 0;
    for (const TMarkerRun& r : circle.Runs)
        (r.Rim ? rim : fill) += r.Dy1 - r.Dy0 + 1;
    EXPECT_EQ(fill, 4); // the 2 x 2 middle
    EXPECT_EQ(rim, 8);  // the 4 x 4 box less its corners and middle
    EXPECT_EQ(circle.Width, 4);
    const TMarkerShape box = MakeMarkerShape(false, 2, 2);
    int total = 0;
    for (const TMarkerRun& r : box.Runs)
        total += r.Dy1 - r.Dy0 + 1;
    EXPECT_EQ(total, 25);
    // At ratio 2 every logical pixel of the rectangle is a 2 x 2 square.
    const TMarkerShape wide = MakeMarkerShape(false, 4, 4, 2);
    int wideFill = 0, wideRim = 0;
    for (const TMarkerRun& r : wide.Runs)
        (r.Rim ? wideRim : wideFill) += r.Dy1 - r.Dy0 + 1;
    EXPECT_EQ(wide.Width, 10);
    EXPECT_EQ(wideFill, 4 * 9); // the 3 x 3 middle of the 5 x 5 box
    EXPECT_EQ(wideRim, 4 * 16);
    // Markers a row above and below cover these whole; not a lone pixel.
    EXPECT_TRUE(HiddenBetweenRows(circle) && HiddenBetweenRows(box) && HiddenBetweenRows(wide));
    const TMarkerShape dotInTheMiddle{0, 0, 3, 3, {{0, 0, 2, true}, {1, 1, 1, false}, {2, 0, 2, true}}};
    EXPECT_FALSE(HiddenBetweenRows(dotInTheMiddle));
}

TEST(Gradient, BandsFromStartAtTheBottomToEndAtTheTop)
{
    for (int height : {37, 256, 381, 600}) {
        SCOPED_TRACE(height);
        QImage img(20, height, QImage::Format_RGB32);
        FillGradient(img, {0, 0, 19, height - 1}, Colors::Black, 2113054);
        EXPECT_EQ(At(img, 5, 0), qRgb(30, 62, 32));
        EXPECT_EQ(At(img, 5, height - 1), qRgb(0, 0, 0));
        std::set<QRgb> colours;
        int lastGreen = -1;
        for (int y = height - 1; y >= 0; --y) {
            colours.insert(At(img, 7, y));
            EXPECT_GE(qGreen(img.pixel(7, y)), lastGreen) << "fades to black downward, row " << y;
            lastGreen = qGreen(img.pixel(7, y));
            EXPECT_EQ(img.pixel(0, y), img.pixel(19, y)) << "bands are horizontal, row " << y;
        }
        EXPECT_LE(colours.size(), 256u);
    }
}

// A plot covering the whole image, axes hidden, fixed ranges.
class SeriesPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        chart.MarginLeft = chart.MarginTop = chart.MarginRight = chart.MarginBottom = 0;
        chart.Gradient = {true, Colors::Black, 2113054};
        for (TAxis& a : chart.Axes()) {
            a.Visible = false;
            a.SetBothEnds(0, 400);
        }
        chart.LeftAxis().SetBothEnds(0, 300);
        chart.RightAxis().SetBothEnds(0, 300);
    }
    QImage Render(TSeriesDrawing d = TSeriesDrawing::Fast)
    {
        QImage img(401, 301, QImage::Format_RGB32);
        PaintPlot(img, chart, LayOut(chart, measure, 401, 301), d);
        return img;
    }
    QImage Background()
    {
        QImage img(401, 301, QImage::Format_RGB32);
        FillGradient(img, {0, 0, 400, 300}, Colors::Black, 2113054);
        return img;
    }
    TAxisPanel chart;
    TFixedMeasure measure;
};

TEST_F(SeriesPaint, SinglePointShowsItsMarkerOnly)
{
    TLineSeries* s = AddDotSeries(chart, 33023, Colors::Red);
    s->AddPoint(200, 100); // pixel (200, 200)
    const QImage img = Render();
    EXPECT_EQ(At(img, 200, 200), Rgb(Colors::Red));
    EXPECT_EQ(At(img, 199, 199), Rgb(Colors::Red));
    EXPECT_EQ(At(img, 198, 200), Rgb(Colors::Black)) << "rim";
    EXPECT_EQ(At(img, 200, 201), Rgb(Colors::Black));
    const QImage bg = Background();
    EXPECT_EQ(At(img, 198, 198), At(bg, 198, 198)) << "box corner left out";
    EXPECT_EQ(At(img, 202, 200), At(bg, 202, 200)) << "right edge exclusive";
}

TEST_F(SeriesPaint, LineSegmentsInThePointColourMarkersOnTop)
{
    TLineSeries* s = AddDotSeries(chart, 33023, Colors::Red);
    s->AddPoint(100, 150);
    s->AddPoint(300, 150);
    const QImage img = Render();
    EXPECT_EQ(At(img, 200, 150), qRgb(255, 128, 0)) << "orange line";
    EXPECT_EQ(At(img, 100, 150), Rgb(Colors::Red));
    EXPECT_EQ(At(img, 300, 150), Rgb(Colors::Red)) << "the last point's marker too";
    EXPECT_EQ(At(img, 200, 149), At(Background(), 200, 149));
}

TEST_F(SeriesPaint, HiddenCurveDrawsNothingButKeepsItsRange)
{
    TLineSeries* s = AddDotSeries(chart, 33023, Colors::Red);
    for (int i = 0; i <= 40; ++i)
        s->AddPoint(i * 10, (i * 37) % 300);
    s->LinePen().SetStyle(psClear);
    s->Pointer().SetVisible(false);
    chart.LeftAxis().SetAutomatic(true);
    EXPECT_TRUE(Render() == Background());
    // (i * 37) % 300 runs from 0 (i = 0) to 296 (i = 8).
    EXPECT_EQ(chart.LeftAxis().Minimum(), 0);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 296);
}

TEST_F(SeriesPaint, AreaFillsDownToTheBottomWithBlackDividers)
{
    TAreaSeries* s = chart.AddSeries<TAreaSeries>();
    s->SetSeriesColor(Colors::Yellow);
    s->SetHorizAxis(bindBothHoriz);
    s->AddPoint(100, 200);
    s->AddPoint(200, 200);
    s->AddPoint(300, 100);
    const QImage img = Render();
    EXPECT_EQ(At(img, 150, 250), Rgb(Colors::Yellow));
    EXPECT_EQ(At(img, 150, 100), Rgb(Colors::Black)) << "curve edge";
    EXPECT_EQ(At(img, 200, 250), Rgb(Colors::Black)) << "divider at a point";
    EXPECT_EQ(At(img, 150, 300), Rgb(Colors::Black)) << "base line";
    EXPECT_EQ(At(img, 150, 50), At(Background(), 150, 50));
    EXPECT_EQ(At(img, 50, 250), At(Background(), 50, 250));

    s->ClearPoints();
    s->AddPoint(200, 200);
    EXPECT_TRUE(Render() == Background()) << "one point, no pointer: nothing";
}

TEST_F(SeriesPaint, PointsBeyondTheSixteenBitRangeAreSkipped)
{
    TLineSeries* s = AddDotSeries(chart, Colors::Lime, Colors::Yellow);
    s->AddPoint(100, 100);
    s->AddPoint(200, 1e7); // pixel row far above -32766
    s->AddPoint(300, 100);
    const QImage img = Render();
    // Drawn as if the middle point did not exist: a straight line 100 -> 300.
    EXPECT_EQ(At(img, 200, 200), Rgb(Colors::Lime));
    EXPECT_EQ(At(img, 150, 100), At(Background(), 150, 100));
    EXPECT_EQ(Render(TSeriesDrawing::OneByOne), img);
}

TEST(AxisPaint, SmallDotsGridAlternatesAlongTheWholePlot)
{
    TAxisPanel chart;
    chart.Gradient = {true, Colors::Black, 2113054};
    chart.BottomAxis().Grid.SetColor(3362866);
    chart.BottomAxis().Grid.SetSmallDots(true);
    chart.LeftAxis().Grid.SetVisible(false);
    TLineSeries* s = chart.AddSeries<TLineSeries>();
    s->LinePen().SetStyle(psClear);
    s->AddPoint(0, 0);
    s->AddPoint(1000, 10);
    TFixedMeasure measure;
    QImage img(600, 300, QImage::Format_RGB32);
    const TPlotFrame layout = LayOut(chart, measure, 600, 300);
    PaintPlot(img, chart, layout);
    ASSERT_GE(layout.Axes[0].Ticks.size(), 2u);
    const QRgb grid = Rgb(3362866);
    const TPixelRect r = layout.PlotRect;
    for (int x : layout.Axes[0].Ticks) {
        for (int y = r.Top; y <= r.Bottom; ++y) {
            if ((y - r.Top) % 2 == 0)
                EXPECT_EQ(At(img, x, y), grid) << x << "," << y;
            else
                EXPECT_NE(At(img, x, y), grid) << x << "," << y;
        }
    }
    // Nothing of the grid between the ticks.
    const int between = (layout.Axes[0].Ticks[0] + layout.Axes[0].Ticks[1]) / 2;
    EXPECT_NE(At(img, between, r.Top), grid);
}

// Many points per pixel column, overlapping markers, several series: the
// back-to-front drawing must give the picture of painting one by one, at
// device pixel ratio 1 (dense lines planned column by column) and 2 (a line
// two device pixels wide, drawn point by point).
class FastEqualsOneByOne : public ::testing::TestWithParam<std::tuple<int, double>> { };

TEST_P(FastEqualsOneByOne, PixelForPixel)
{
    const auto [scenario, ratio] = GetParam();
    const bool planned = ratio == 1;
    TAxisPanel chart;
    chart.Gradient = {true, Colors::Black, 2113054};
    chart.MarginLeft = chart.MarginRight = chart.MarginTop = chart.MarginBottom = 2;
    TLineSeries* data = AddDotSeries(chart, 33023, Colors::Red);
    TLineSeries* corr = AddDotSeries(chart, Colors::Aqua, Colors::Blue);
    corr->SetVertAxis(bindRight);
    TLineSeries* pattern = AddDotSeries(chart, Colors::Lime, Colors::Yellow);
    uint32_t seed = 12345;
    auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16 & 0x7fff; };
    // Scenes 4 to 6: hundreds of points a column, as ten million give on a
    // wide chart. In 6 the last 40 % lie far beyond the plot and are skipped,
    // and the last drawn columns hold one row each, so that a marker wrongly
    // left out there shows: no later point covers it.
    const bool dense = scenario >= 4;
    const int n = dense ? 200000 : 4000;
    for (int i = 0; i < n; ++i) {
        const double y = std::round(800 * std::sin(i * (dense ? 0.0002 : 0.01))) + double(next() % 200);
        // A few unset samples and one far outlier among the dense ones.
        const bool tail = scenario == 6 && i > n * 6 / 10; // rows beyond 32766: skipped
        const bool level = scenario == 6 && i > n * 55 / 100;
        data->AddPoint(i,
                       tail                         ? 1e6
                           : dense && i % 9973 == 0 ? std::nan("")
                           : dense && i == 123457   ? 1e12
                           : level                  ? 300
                                                    : y);
        if (i % 3 == 0)
            corr->AddPoint(i, double(next() % 201) - 100);
        if (i < 700)
            pattern->AddPoint(i * 2, double(next() % 300));
    }
    if (scenario == 1) {
        chart.BottomAxis().SetBothEnds(1234.5, 1400.2); // zoomed: edge segments, far points
        chart.LeftAxis().SetBothEnds(-300, 500);
    }
    if (scenario == 2) {
        data->AddPoint(n + 1, 1e12); // skipped positions
        data->AddPoint(n + 2, 0, {}, Colors::White);
        corr->LinePen().SetStyle(psClear);
        pattern->Pointer().SetVisible(false);
    }
    if (scenario == 3) {
        TAreaSeries* area = chart.AddSeries<TAreaSeries>();
        area->SetSeriesColor(Colors::Yellow);
        for (int k = 0; k < 400; ++k)
            area->AddPoint(k * 10, double(next() % 500), "f");
        chart.BottomAxis().SetBothEnds(500, 1500);
    }
    if (scenario == 6) {
        chart.LeftAxis().SetBothEnds(-200, 600); // every point in view, the skipped ones far above
        corr->ClearPoints();                     // nothing drawn over the data
        pattern->ClearPoints();
    }
    if (scenario == 5) {
        chart.BottomAxis().SetBothEnds(70000.5, 150000.25); // zoomed and panned: columns cut at the edges
        chart.LeftAxis().SetBothEnds(-200, 600);
    }
    TFixedMeasure measure;
    const TDeviceScale device{ratio};
    TPlotFrame layout = LayOut(chart, measure, 500, 300, device);
    QImage empty(500, 300, QImage::Format_RGB32);
    FillGradient(empty, layout.Bounds, Colors::Black, 2113054);
    TPlanCache plans;
    TPixelRect clip = layout.PlotRect;
    auto draw = [&](TSeriesDrawing d) {
        QImage img = empty.copy();
        DrawSeries(img, chart, layout, clip, d, &plans);
        return img;
    };
    const QImage fast = draw(TSeriesDrawing::Fast);
    const QImage slow = draw(TSeriesDrawing::OneByOne);
    int differing = 0, drawn = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 500; ++x) {
            differing += fast.pixel(x, y) != slow.pixel(x, y);
            drawn += slow.pixel(x, y) != empty.pixel(x, y);
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(drawn, 5000) << "the scene must actually draw";
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 500; ++x)
            if (!layout.PlotRect.Contains(x, y)) {
                ASSERT_EQ(fast.pixel(x, y), empty.pixel(x, y)) << "clipped to the plot: " << x << "," << y;
            }
    // A second paint of the same scene takes the plans of the first; a pan,
    // a new point, other markers and another clip must each plan anew.
    const int made = plans.Made();
    EXPECT_EQ(made > 0, planned);
    EXPECT_TRUE(draw(TSeriesDrawing::Fast) == fast) << "repaint";
    EXPECT_EQ(plans.Made(), made) << "the repaint takes the plans back";
    const auto changed = [&](const char* what) {
        layout = LayOut(chart, measure, 500, 300, device);
        const int before = plans.Made();
        EXPECT_TRUE(draw(TSeriesDrawing::Fast) == draw(TSeriesDrawing::OneByOne)) << "after " << what;
        if (planned && scenario != 2) { // 2 gives the data curve a second colour
            EXPECT_GT(plans.Made(), before) << "a new plan after " << what;
        }
    };
    chart.BottomAxis().SetBothEnds(chart.BottomAxis().Minimum() + 77.5, chart.BottomAxis().Maximum() + 77.5);
    changed("a pan");
    data->AddPoint(chart.BottomAxis().Maximum() - 1, 555);
    changed("a new point");
    data->Pointer().HorizSize = 4;
    changed("wider markers");
    clip.Left += 31;
    clip.Bottom -= 17;
    changed("a smaller clip");
}

INSTANTIATE_TEST_SUITE_P(Scenes, FastEqualsOneByOne,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3, 4, 5, 6),
                                            ::testing::Values(1.0, 2.0)));

} // namespace
