#include "chart/layout/plot_layout.h"

#include "chart/layout/point_series.h"
#include "chart/layout/scaled_measure.h"
#include "numbers/number_format.h"

#include <algorithm>
#include <cmath>

namespace {

bool TextAlongAxis(const TAxis& axis, int angle)
{
    const bool flat = angle == 0 || angle == 180;
    return axis.Horizontal() ? flat : !flat;
}

// Size of a value label along the axis, the larger of the two range ends.
int ValueLabelSize(const TAxis& axis, const TTextMeasure& measure, double lo, double hi)
{
    int size = 0;
    for (double v : {hi, lo}) {
        const std::string text = PatternText(axis.AxisValuesFormat, v);
        const bool across = axis.LabelsAngle == 90 || axis.LabelsAngle == 270;
        const bool byHeight = axis.Horizontal() ? across : !across;
        const int s = byHeight ? measure.FontHeight(axis.LabelsFont) * TextLineCount(text)
                               : MultiLineWidth(measure, axis.LabelsFont, text);
        size = std::max(size, s);
    }
    return size;
}

struct TValueStep {
    double step;
    int fit; // labels that fit the span
};

TValueStep AxisStep(const TAxis& axis, const TTextMeasure& measure, const TAxisScale& scale)
{
    const int labelSize = ValueLabelSize(axis, measure, scale.Minimum, scale.Maximum);
    return {LabelStep(scale.Range(), scale.Span(), labelSize, axis.LabelsSeparation, axis.Increment),
            MaxLabelCount(scale.Span(), labelSize, axis.LabelsSeparation)};
}

int LabelBandSize(const TAxisPanel& panel, const TAxis& axis, const TTextMeasure& measure, int spanSize,
                  const TDeviceScale& device)
{
    if (!axis.Labels)
        return 0;
    if (axis.LabelsSize != 0)
        return device.Of(axis.LabelsSize);
    const TLabelStyle style = EffectiveLabelStyle(panel, axis);
    if (style == lsNone)
        return 0;
    if (TextAlongAxis(axis, axis.LabelsAngle))
        return measure.FontHeight(axis.LabelsFont);
    if (style == lsValue) {
        // The step as it would be on the whole side, before the padding.
        const TAxisScale s{axis.Minimum(), axis.Maximum(), 0, spanSize, axis.Horizontal()};
        const long double step = AxisStep(axis, measure, s).step;
        int widest = 0;
        for (long double v : {(long double)s.Minimum, (long double)s.Maximum}) {
            const long double whole = std::trunc(v / step) * step;
            widest = std::max(
                widest, MultiLineWidth(measure, axis.LabelsFont, PatternText(axis.AxisValuesFormat, whole)));
        }
        return widest + measure.TextWidth(axis.LabelsFont, " ");
    }
    if (style == lsText) {
        int widest = 0;
        for (int i = 0; i < panel.SeriesTotal(); ++i) {
            const TSeries* s = panel.SeriesAt(i);
            if (!s->HasLabels())
                continue;
            for (int k = 0; k < s->PointCount(); ++k)
                if (s->HasLabelAt(k))
                    widest = std::max(widest, MultiLineWidth(measure, axis.LabelsFont, s->LabelAt(k)));
        }
        return widest;
    }
    return 0;
}

int TitleBandSize(const TAxis& axis, const TTextMeasure& measure, const TDeviceScale& device)
{
    if (axis.TitleCaption.empty())
        return 0;
    if (axis.TitleSize != 0)
        return device.Of(axis.TitleSize);
    if (TextAlongAxis(axis, axis.TitleAngle))
        return measure.FontHeight(axis.TitleFont);
    return MultiLineWidth(measure, axis.TitleFont, axis.TitleCaption);
}

int TickBandSize(const TAxis& axis, const TDeviceScale& device)
{
    int band = 0;
    if (axis.AxisPen.Visible())
        band += device.Of(axis.AxisPen.Width());
    if (axis.Ticks.Visible())
        band += device.Of(axis.TickLength);
    if (axis.MinorTicks.Visible())
        band = std::max(band, device.Of(axis.MinorTickLength));
    return band;
}

std::vector<TAxisLabel> TextLabels(const TAxisPanel& panel, const TAxis& axis, const TAxisScale& scale,
                                   const std::vector<TSeriesFrame>& shown, const TTextMeasure& measure)
{
    std::vector<const TSeries*> labelled;
    int first = -1, last = -1;
    for (int i = 0; i < panel.SeriesTotal(); ++i) {
        const TSeries* s = panel.SeriesAt(i);
        if (!s->Active() || !s->AssociatedWith(axis) || !s->HasLabels())
            continue;
        labelled.push_back(s);
        const TSeriesFrame& f = shown[size_t(i)];
        if (f.FirstShownIndex >= 0) {
            first = first < 0 ? f.FirstShownIndex : std::min(first, f.FirstShownIndex);
            last = std::max(last, f.LastShownIndex);
        }
    }
    std::vector<TTextLabelCandidate> candidates;
    if (first < 0)
        return {};
    // Extent along the axis: the width for text running along it, else the
    // height of its lines.
    const bool alongAxis = TextAlongAxis(axis, axis.LabelsAngle);
    for (int i = first; i <= last; ++i) {
        for (const TSeries* s : labelled) {
            if (!s->HasLabelAt(i))
                continue;
            const double value = axis.Horizontal() ? s->XValueAt(i) : s->YValueAt(i);
            if (value >= scale.Minimum && value <= scale.Maximum) {
                const std::string text = s->LabelAt(i);
                const int extent = alongAxis ? MultiLineWidth(measure, axis.LabelsFont, text)
                                             : measure.FontHeight(axis.LabelsFont) * TextLineCount(text);
                candidates.push_back({AxisValueToPixel(scale, value), extent, value, text});
            }
            break;
        }
    }
    return ThinTextLabels(candidates, axis.LabelsSeparation);
}

// Pixels asked for at each end by visible markers of the axis' active series.
int MarkerPadding(const TAxisPanel& panel, const TAxis& axis, const TDeviceScale& device)
{
    int pad = 0;
    for (int i = 0; i < panel.SeriesTotal(); ++i) {
        const auto* s = dynamic_cast<const TPointSeries*>(panel.SeriesAt(i));
        if (!s || !s->Active() || !s->AssociatedWith(axis))
            continue;
        const TPointMarker& p = s->Pointer();
        if (p.Visible() && p.InflateMargins)
            pad = std::max(pad, device.Of((axis.Horizontal() ? p.HorizSize : p.VertSize) + 1));
    }
    return pad;
}

// First and last index to draw for the frame's horizontal scale (-1, -1 when none).
void ComputeVisibleRange(const TSeries& s, TSeriesFrame& f)
{
    f.FirstShownIndex = f.LastShownIndex = -1;
    const int n = s.PointCount();
    if (n == 0)
        return;
    const TValueList& x = s.XValues();
    if (x.Order() != ordAscending) {
        f.FirstShownIndex = 0;
        f.LastShownIndex = n - 1;
        return;
    }
    const TAxisScale& h = f.Horizontal;
    const double left = AxisPixelToValue(h, h.Start);
    const double right = AxisPixelToValue(h, h.End);
    const int first = x.LowerBound(left);
    if (first >= n)
        return;
    f.FirstShownIndex = first;
    // Include the first point at or past the right edge so that the line runs to it.
    if (x.ValueAt(n - 1) > right)
        f.LastShownIndex = std::max(first, std::min(n - 1, x.LowerBound(right)));
    else
        f.LastShownIndex = n - 1;
}

} // namespace

TLabelStyle EffectiveLabelStyle(const TAxisPanel& panel, const TAxis& axis)
{
    if (axis.LabelStyle != lsAuto)
        return axis.LabelStyle;
    TLabelStyle style = lsNone;
    for (int i = 0; i < panel.SeriesTotal(); ++i) {
        const TSeries* s = panel.SeriesAt(i);
        if (!s->Active() || !s->AssociatedWith(axis))
            continue;
        if (axis.Horizontal() && s->HasLabels() && s->HasLabelAt(0))
            return lsText;
        style = lsValue;
    }
    return style;
}

TPlotFrame LayoutPlot(const TAxisPanel& panel, const TTextMeasure& logicalMeasure, int width, int height,
                      const TDeviceScale& device)
{
    const TScaledMeasure measure(logicalMeasure, device);
    TPlotFrame frame;
    frame.Device = device;
    frame.Bounds = {0, 0, width - 1, height - 1};
    // Margins are percentages: integer multiply-then-divide.
    TPixelRect r{width * panel.MarginLeft / 100, height * panel.MarginTop / 100,
                 width - 1 - width * panel.MarginRight / 100, height - 1 - height * panel.MarginBottom / 100};

    for (const TAxis& a : panel.Axes()) {
        TAxisFrame& f = frame.Axes[size_t(a.Kind())];
        f.Shown = panel.AxisShown(a);
        if (!f.Shown)
            continue;
        f.TitleBand = TitleBandSize(a, measure, device);
        f.LabelBand = LabelBandSize(panel, a, measure, a.Horizontal() ? r.SpanX() : r.SpanY(), device);
        f.TickBand = TickBandSize(a, device);
        const int cut = f.TitleBand + f.LabelBand + f.TickBand;
        switch (a.Kind()) {
        case TAxisKind::Bottom:
            r.Bottom -= cut;
            break;
        case TAxisKind::Top:
            r.Top += cut;
            break;
        case TAxisKind::Left:
            r.Left += cut;
            break;
        case TAxisKind::Right:
            r.Right -= cut;
            break;
        }
    }
    frame.PlotRect = r;

    for (const TAxis& a : panel.Axes()) {
        TAxisFrame& f = frame.Axes[size_t(a.Kind())];
        const bool horizontal = a.Horizontal();
        const TAxisScale s{a.Minimum(), a.Maximum(), horizontal ? r.Left : r.Top,
                           horizontal ? r.Right : r.Bottom, horizontal};
        switch (a.Kind()) {
        case TAxisKind::Bottom:
            f.AxisLinePos = r.Bottom;
            break;
        case TAxisKind::Top:
            f.AxisLinePos = r.Top;
            break;
        case TAxisKind::Left:
            f.AxisLinePos = r.Left;
            break;
        case TAxisKind::Right:
            f.AxisLinePos = r.Right;
            break;
        }
        // Away from the plot: down from the bottom side, right from the right one.
        f.OutwardStep = a.FarSide() != horizontal ? 1 : -1;
        const int pad = MarkerPadding(panel, a, device);
        f.Scale = PadScale(s, a.AutomaticMinimum() ? pad : 0, a.AutomaticMaximum() ? pad : 0);
    }

    frame.Series.resize(size_t(panel.SeriesTotal()));
    for (int i = 0; i < panel.SeriesTotal(); ++i) {
        const TSeries* s = panel.SeriesAt(i);
        TSeriesFrame& f = frame.Series[size_t(i)];
        f.Horizontal = frame.AxisFrame(*s->ResolvedHorizAxis()).Scale;
        f.Vertical = frame.AxisFrame(*s->ResolvedVertAxis()).Scale;
        f.Device = device;
        if (s->Active())
            ComputeVisibleRange(*s, f);
    }

    for (const TAxis& a : panel.Axes()) {
        TAxisFrame& f = frame.Axes[size_t(a.Kind())];
        if (!f.Shown || !a.Labels)
            continue;
        f.Style = EffectiveLabelStyle(panel, a);
        if (f.Style == lsValue) {
            const TValueStep step = AxisStep(a, measure, f.Scale);
            f.Step = step.step;
            // A span too short for one label gets none: its smallest step would
            // give a range below 1e-8 thousands of labels there. A zero range
            // keeps its one label at the centre.
            if (step.fit >= 1 || f.Scale.Range() == 0)
                f.Labels =
                    ValueLabels(f.Scale, f.Step, a.AxisValuesFormat, a.RoundFirstLabel, a.LabelsOnAxis);
        } else if (f.Style == lsText) {
            f.Labels = TextLabels(panel, a, f.Scale, frame.Series, measure);
        }
        for (const TAxisLabel& l : f.Labels)
            f.Ticks.push_back(l.Position);
    }
    return frame;
}
