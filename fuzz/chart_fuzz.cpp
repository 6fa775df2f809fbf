// The chart's geometry on arbitrary ranges, sizes and device ratios: the
// value-to-pixel mapping and its two-at-a-time form, value and text labels on
// their own, and a whole layout of a chart with points, after a zoom and a pan.
#include "chart/interaction/plot_interaction.h"
#include "chart/layout/axis_labels.h"
#include "chart/layout/plot_layout.h"
#include "chart/layout/point_series.h"
#include "chart/model/automatic_range.h"
#include "chart/model/axis_panel.h"
#include "fuzz/fuzz_bytes.h"
#include "numbers/float_model.h"
#include "runtime/exceptions.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

// Every character 7 pixels wide, a font as high as its pixel size.
class TFuzzMeasure : public TTextMeasure {
public:
    int TextWidth(const TPlotFont&, std::string_view text) const override { return int(text.size()) * 7; }
    int FontHeight(const TPlotFont& font) const override { return font.PixelSize; }
};

// A value that is often an ordinary one and sometimes anything at all.
double Value(TFuzzBytes& in)
{
    switch (in.InRange(0, 3)) {
    case 0:
        return in.Take<double>();
    case 1:
        return double(in.Take<int32_t>()) * std::pow(10.0, double(in.InRange(-12, 12)));
    default:
        return double(in.Take<int16_t>());
    }
}

void Mapping(TFuzzBytes& in)
{
    // Spans come from plot rectangles, so they stay far inside 32 bits.
    const TAxisScale s{Value(in), Value(in), int(in.InRange(-1 << 20, 1 << 20)),
                       int(in.InRange(-1 << 20, 1 << 20)), bool(in.Take<uint8_t>() & 1)};
    const TAxisMapper mapper(s);
    const double values[2] = {Value(in), Value(in)};
    int pixels[2];
    mapper.Pixels(values, 2, pixels);
    for (int i = 0; i < 2; ++i)
        FUZZ_CHECK(pixels[i] == mapper.Pixel(values[i]));
    AxisPixelToValue(s, in.Take<int32_t>());
    PadScale(s, int(in.InRange(0, 1000)), int(in.InRange(0, 1000)));
}

void Labels(TFuzzBytes& in)
{
    const TAxisScale s{Value(in), Value(in), int(in.InRange(-100, 5000)), int(in.InRange(-100, 5000)),
                       bool(in.Take<uint8_t>() & 1)};
    // Mostly steps that give a few labels, now and then any step at all.
    const double step = in.InRange(0, 3) ? std::fabs(s.Range()) / double(in.InRange(1, 100)) : Value(in);
    const std::vector<TAxisLabel> labels = ValueLabels(s, step, "#,##0.###", in.Take<uint8_t>() & 1, true);
    // Never more labels than whole steps in the range, and one more at its end.
    const long double steps = std::fabs(((long double)s.Maximum - s.Minimum) / step);
    FUZZ_CHECK(labels.size() <= 1 || labels.size() <= steps + 2);

    std::vector<TTextLabelCandidate> candidates(size_t(in.InRange(0, 8)));
    for (TTextLabelCandidate& c : candidates)
        c = {in.Take<int32_t>(), in.Take<int32_t>(), 0, "x"};
    FUZZ_CHECK(ThinTextLabels(candidates, in.Take<int32_t>()).size() <= candidates.size());
}

void SetUpAxis(TAxis& axis, TFuzzBytes& in)
{
    if (in.Take<uint8_t>() & 1) {
        const double a = Value(in), b = Value(in);
        axis.SetBothEnds(a, b);
    }
    axis.LabelsSeparation = int(in.InRange(-5, 300));
    axis.Increment = in.InRange(0, 3) ? 0 : std::fabs(Value(in));
    axis.LabelsAngle = int(in.InRange(0, 3)) * 90;
    axis.RoundFirstLabel = in.Take<uint8_t>() & 1;
    axis.LabelsOnAxis = in.Take<uint8_t>() & 1;
    axis.LabelsFont.PixelSize = int(in.InRange(0, 40));
}

// Every value axis gives no more labels than its span has pixels (labels
// of one pixel at least), however far it is zoomed.
void CheckFrame(const TPlotFrame& frame, const TAxisPanel& panel)
{
    for (const TAxis& a : panel.Axes()) {
        const TAxisFrame& f = frame.AxisFrame(a);
        FUZZ_CHECK(f.Labels.size() == f.Ticks.size());
        if (f.Style == lsValue && a.LabelsSeparation > 0)
            FUZZ_CHECK(f.Labels.size() <= size_t(std::abs(f.Scale.Span())) + 2);
        FUZZ_CHECK(f.Labels.size() <= 10001);
    }
}

void Layout(TFuzzBytes& in)
{
    TAxisPanel panel;
    TLineSeries* data = panel.AddSeries<TLineSeries>();
    TLineSeries* spectrum = panel.AddSeries<TLineSeries>();
    spectrum->SetVertAxis(bindRight);
    data->Pointer().SetVisible(in.Take<uint8_t>() & 1);
    for (int i = int(in.InRange(0, 40)); i > 0; --i)
        data->AddPoint(Value(in), Value(in));
    for (int i = int(in.InRange(0, 20)); i > 0; --i)
        spectrum->AddPoint(double(i), Value(in), in.Text(6));
    for (TAxis& a : panel.Axes())
        SetUpAxis(a, in);
    const int width = int(in.InRange(0, 6000)), height = int(in.InRange(0, 6000));
    const TDeviceScale device{double(in.InRange(1, 32)) / 8};
    const TFuzzMeasure measure;

    RefreshAutomaticRanges(panel);
    const TPlotFrame frame = LayoutPlot(panel, measure, width, height, device);
    CheckFrame(frame, panel);
    data->PointAtPixel(frame.SeriesAt(0), int(in.InRange(-10, 6000)), int(in.InRange(-10, 6000)));

    TPlotInteraction mouse(panel);
    try {
        mouse.ZoomToRect(frame, int(in.InRange(-10, 6000)), int(in.InRange(-10, 6000)),
                         int(in.InRange(-10, 6000)), int(in.InRange(-10, 6000)));
        RefreshAutomaticRanges(panel);
        const TPlotFrame zoomed = LayoutPlot(panel, measure, width, height, device);
        CheckFrame(zoomed, panel);
        mouse.PanBy(zoomed, in.Take<int32_t>(), in.Take<int32_t>(), in.Take<int32_t>(), in.Take<int32_t>());
        RefreshAutomaticRanges(panel);
        CheckFrame(LayoutPlot(panel, measure, width, height, device), panel);
    } catch (const EChartAxisError&) {
    }
    mouse.UndoZoom();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResetFpMode();
    TFuzzBytes in(data, size);
    switch (in.InRange(0, 2)) {
    case 0:
        Mapping(in);
        break;
    case 1:
        Labels(in);
        break;
    default:
        Layout(in);
        break;
    }
    return 0;
}
