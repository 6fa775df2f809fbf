// Speed of the chart on a million-point data curve: adding the points, and one
// paint of the data chart (1200 x 600) with the curve in view, plain and
// during zoom, pan and wheel steps; then the same with ten million points.
#include "app/chart_config.h"
#include "bench/qt_bench_main.h"
#include "chart/model/automatic_range.h"
#include "chart/paint/plot.h"
#include "chart/paint/plot_renderer.h"
#include "chart/paint/qt_text_measure.h"
#include "chart/interaction/plot_interaction.h"
#include "chart/layout/plot_layout.h"
#include "chart/layout/point_series.h"
#include "runtime/worker_pool.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int PointTotal = 1000000;
constexpr int TenMillion = 10000000;
constexpr int HundredMillion = 100000000;

// A noisy sine in ADC codes, like a quantized recording.
double Sample(int i)
{
    const double noise = double((i * 1103515245u + 12345u) >> 16 & 0x3ff) - 512;
    return std::lrint(3000 * std::sin(i * 0.0005) + noise);
}

std::vector<double> Samples(int count)
{
    std::vector<double> v(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        v[size_t(i)] = Sample(i);
    return v;
}

const std::vector<double>& Samples()
{
    static const std::vector<double> samples = Samples(PointTotal);
    return samples;
}

struct DataChart {
    explicit DataChart(int points = PointTotal)
    {
        widget = std::make_unique<TPlot>();
        series = ConfigureDataChart(*widget);
        widget->resize(1200, 600);
        const std::vector<double> y = points == PointTotal ? Samples() : Samples(points);
        for (int i = 0; i < points; ++i)
            series.Series2->AddPoint(i, y[size_t(i)]);
        image = QImage(1200, 600, QImage::Format_RGB32);
    }
    // One paint as the widget does it: ranges, frame, picture.
    void Paint(TSeriesDrawing drawing = TSeriesDrawing::Fast)
    {
        RefreshAutomaticRanges(*widget);
        frame = LayoutPlot(*widget, measure, image.width(), image.height());
        PaintPlot(image, *widget, frame, drawing, &plans);
    }
    std::unique_ptr<TPlot> widget;
    TPlanCache plans; // as the widget keeps them
    DataChartSeries series{};
    QImage image;
    TQtTextMeasure measure;
    TPlotFrame frame;
};

void BM_AddMillionPointsAscending(benchmark::State& state)
{
    TPlot widget;
    const DataChartSeries s = ConfigureDataChart(widget);
    const std::vector<double>& y = Samples();
    for (auto _ : state) {
        s.Series2->ClearPoints();
        for (int i = 0; i < PointTotal; ++i)
            s.Series2->AddPoint(i, y[size_t(i)]);
        benchmark::DoNotOptimize(s.Series2->PointCount());
    }
    // The first paint after the additions scans each list once.
    const int beforeX = s.Series2->XValues().StatisticsPasses();
    const int beforeY = s.Series2->YValues().StatisticsPasses();
    widget.resize(1200, 600);
    widget.RenderNow();
    widget.RenderNow();
    state.counters["stat_passes_X_two_paints"] = s.Series2->XValues().StatisticsPasses() - beforeX;
    state.counters["stat_passes_Y_two_paints"] = s.Series2->YValues().StatisticsPasses() - beforeY;
    state.counters["points"] = PointTotal;
}
BENCHMARK(BM_AddMillionPointsAscending)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PaintDataChartMillionPoints(benchmark::State& state)
{
    DataChart c;
    for (auto _ : state) {
        c.Paint();
        benchmark::ClobberMemory();
    }
    state.counters["first_shown"] = c.frame.SeriesAt(0).FirstShownIndex;
    state.counters["last_shown"] = c.frame.SeriesAt(0).LastShownIndex;
}
BENCHMARK(BM_PaintDataChartMillionPoints)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_PaintOneByOneReference(benchmark::State& state)
{
    DataChart c;
    for (auto _ : state) {
        c.Paint(TSeriesDrawing::OneByOne);
        benchmark::ClobberMemory();
    }
    state.SetLabel("reference path, not a target");
}
BENCHMARK(BM_PaintOneByOneReference)->Unit(benchmark::kMillisecond)->Iterations(3);

// One zoom, pan or wheel step followed by its paint, on the curve in view,
// with one worker (workers:1) and with all (workers:0); the run with all
// reports the pixels that differ from painting every point one by one.
void BM_ZoomPanWheelStep(benchmark::State& state)
{
    const int points = int(state.range(1));
    DataChart c(points);
    TPlotInteraction interaction(*c.widget);
    const TWorkerLimit limit(Workers(state));
    c.Paint();
    int k = 0;
    for (auto _ : state) {
        switch (k++ % 4) {
        case 0:
            interaction.ZoomToRect(c.frame, 100, 100, 1000, 500);
            break;
        case 1:
            interaction.PanBy(c.frame, 600, 300, 590, 305);
            break;
        case 2:
            interaction.Wheel(WheelNotch);
            break;
        default:
            interaction.UndoZoom();
            break;
        }
        c.Paint();
        benchmark::ClobberMemory();
    }
    if (state.range(0) == 0) {
        const QImage fast = c.image.copy();
        c.Paint(TSeriesDrawing::OneByOne);
        int differing = 0;
        for (int y = 0; y < fast.height(); ++y)
            for (int x = 0; x < fast.width(); ++x)
                differing += fast.pixel(x, y) != c.image.pixel(x, y);
        state.counters["differing_pixels"] = differing;
    }
    const std::string target = points == TenMillion       ? "10,000,000 points in view (target 50 ms); "
                               : points == HundredMillion ? "100,000,000 points in view (target 250 ms); "
                                                          : "";
    state.SetLabel(target + WorkersLabel(state));
}
// Each step changes the frame, so the columns are planned anew from all points.
BENCHMARK(BM_ZoomPanWheelStep)
    ->ArgNames({"workers", "points"})
    ->ArgsProduct({{1, 0}, {PointTotal}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(BM_ZoomPanWheelStep)
    ->ArgNames({"workers", "points"})
    ->ArgsProduct({{1, 0}, {TenMillion}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);
BENCHMARK(BM_ZoomPanWheelStep)
    ->ArgNames({"workers", "points"})
    ->ArgsProduct({{1, 0}, {HundredMillion}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);

// The paint of a chart whose points and frame have not changed since the
// last one (a repaint as from a resize back, or a paint of the same view):
// the columns worked out then are taken again.
void BM_PaintDataChartTenMillionPoints(benchmark::State& state)
{
    DataChart c(TenMillion);
    c.Paint(); // the first paint after the points arrived
    for (auto _ : state) {
        c.Paint();
        benchmark::ClobberMemory();
    }
    state.SetLabel("10,000,000 points in view (target 50 ms)");
    state.counters["last_shown"] = c.frame.SeriesAt(0).LastShownIndex;
}
BENCHMARK(BM_PaintDataChartTenMillionPoints)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

DFT_QT_BENCHMARK_MAIN()
