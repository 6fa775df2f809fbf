#include "chart/plot_layout.h"

#include "chart/point_series.h"
#include "text/number_format.h"

#include <algorithm>
#include <cmath>

namespace {

bool TextAlongAxis(const TAxis& axis, int angle)
{
    const bool flat = angle == 0 || angle == 180;
    return axis.Horizontal() ? flat : !flat;
}

// The series that set an axis' range: the active associated ones with points,
// or every associated one with points when none of them is active.
std::vector<const TSeries*> RangeSeries(const TAxisPanel& chart, const TAxis& axis)
{
    std::vector<const TSeries*> associated;
    bool anyActive = false;
    for (int i = 0; i < chart.SeriesTotal(); ++i) {
        const TSeries* s = chart.SeriesAt(i);
        if (!s->AssociatedWith(axis))
            continue;
        associated.push_back(s);
        anyActive = anyActive || s->Active();
    }
    std::vector<const TSeries*> taking;
    for (const TSeries* s : associated)
        if ((s->Active() || !anyActive) && s->PointCount() > 0)
            taking.push_back(s);
    return taking;
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

double AxisStep(const TAxis& axis, const TTextMeasure& measure, const TAxisScale& scale)
{
    const int labelSize = ValueLabelSize(axis, measure, scale.Minimum, scale.Maximum);
    return LabelStep(scale.Range(), scale.Size(), labelSize, axis.LabelsSeparation, axis.Increment);
}

int LabelBandSize(const TAxisPanel& chart, const TAxis& axis, const TTextMeasure& measure, int spanSize)
{
    if (!axis.Labels)
        return 0;
    if (axis.LabelsSize != 0)
        return axis.LabelsSize;
    const TLabelStyle style = EffectiveLabelStyle(chart, axis);
    if (style == lsNone)
        return 0;
    if (TextAlongAxis(axis, axis.LabelsAngle))
        return measure.FontHeight(axis.LabelsFont);
    if (style == lsValue) {
        TAxisScale s = axis.Scale;
        s.Start = 0;
        s.End = spanSize;
        const long double step = AxisStep(axis, measure, s);
        int widest = 0;
        for (long double v : {(long double)s.Minimum, (long double)s.Maximum}) {
            const long double whole = std::trunc(v / step) * step;
            widest = std::max(widest, MultiLineWidth(measure, axis.LabelsFont, PatternText(axis.AxisValuesFormat, whole)));
        }
        return widest + measure.TextWidth(axis.LabelsFont, " ");
    }
    if (style == lsText) {
        int widest = 0;
        for (int i = 0; i < chart.SeriesTotal(); ++i) {
            const TSeries* s = chart.SeriesAt(i);
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

int TitleBandSize(const TAxis& axis, const TTextMeasure& measure)
{
    if (axis.TitleCaption.empty())
        return 0;
    if (axis.TitleSize != 0)
        return axis.TitleSize;
    if (TextAlongAxis(axis, axis.TitleAngle))
        return measure.FontHeight(axis.TitleFont);
    return MultiLineWidth(measure, axis.TitleFont, axis.TitleCaption);
}

int TickBandSize(const TAxis& axis)
{
    int band = 0;
    if (axis.AxisPen.Visible())
        band += axis.AxisPen.Width();
    if (axis.Ticks.Visible())
        band += axis.TickLength;
    if (axis.MinorTicks.Visible())
        band = std::max(band, axis.MinorTickLength);
    return band;
}

std::vector<TAxisLabel> TextLabels(const TAxisPanel& chart, const TAxis& axis, const TTextMeasure& measure)
{
    std::vector<const TSeries*> labelled;
    int first = -1, last = -1;
    for (int i = 0; i < chart.SeriesTotal(); ++i) {
        const TSeries* s = chart.SeriesAt(i);
        if (!s->Active() || !s->AssociatedWith(axis) || !s->HasLabels())
            continue;
        labelled.push_back(s);
        if (s->FirstShownIndex >= 0) {
            first = first < 0 ? s->FirstShownIndex : std::min(first, s->FirstShownIndex);
            last = std::max(last, s->LastShownIndex);
        }
    }
    std::vector<TTextLabelCandidate> candidates;
    if (first < 0)
        return {};
    const TAxisScale& scale = axis.Scale;
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

} // namespace

void ComputeAutomaticRange(const TAxisPanel& chart, TAxis& axis)
{
    const bool setMax = axis.Automatic() || axis.AutomaticMaximum();
    const bool setMin = axis.Automatic() || axis.AutomaticMinimum();
    if (!setMax && !setMin)
        return;
    double lo = 0, hi = 0;
    bool first = true;
    for (const TSeries* s : RangeSeries(chart, axis)) {
        const TValueList& list = axis.Horizontal() ? s->XValues() : s->YValues();
        const double sMin = list.MinValue(), sMax = list.MaxValue();
        if (first || sMin < lo)
            lo = sMin;
        if (first || sMax > hi)
            hi = sMax;
        first = false;
    }
    axis.StoreRange(setMin ? lo : axis.Minimum(), setMax ? hi : axis.Maximum());
}

TLabelStyle EffectiveLabelStyle(const TAxisPanel& chart, const TAxis& axis)
{
    if (axis.LabelStyle != lsAuto)
        return axis.LabelStyle;
    TLabelStyle style = lsNone;
    for (int i = 0; i < chart.SeriesTotal(); ++i) {
        const TSeries* s = chart.SeriesAt(i);
        if (!s->Active() || !s->AssociatedWith(axis))
            continue;
        if (axis.Horizontal() && s->HasLabels() && s->HasLabelAt(0))
            return lsText;
        style = lsValue;
    }
    return style;
}

int MarkerPadding(const TAxisPanel& chart, const TAxis& axis)
{
    int pad = 0;
    for (int i = 0; i < chart.SeriesTotal(); ++i) {
        const auto* s = dynamic_cast<const TPointSeries*>(chart.SeriesAt(i));
        if (!s || !s->Active() || !s->AssociatedWith(axis))
            continue;
        const TPointMarker& p = s->Pointer();
        if (p.Visible() && p.InflateMargins)
            pad = std::max(pad, (axis.Horizontal() ? p.HorizSize : p.VertSize) + 1);
    }
    return pad;
}

void ComputeVisibleRange(TSeries& s)
{
    s.FirstShownIndex = s.LastShownIndex = -1;
    const int n = s.PointCount();
    const TAxis* h = s.ResolvedHorizAxis();
    if (n == 0 || !h)
        return;
    const TValueList& x = s.XValues();
    if (x.Order() != ordAscending) {
        s.FirstShownIndex = 0;
        s.LastShownIndex = n - 1;
        return;
    }
    const double left = AxisPixelToValue(h->Scale, h->Scale.Start);
    const double right = AxisPixelToValue(h->Scale, h->Scale.End);
    const int first = x.LowerBound(left);
    if (first >= n)
        return;
    s.FirstShownIndex = first;
    // Include the first point at or past the right edge so that the line runs to it.
    if (x.ValueAt(n - 1) > right)
        s.LastShownIndex = std::max(first, std::min(n - 1, x.LowerBound(right)));
    else
        s.LastShownIndex = n - 1;
}

TPlotLayout LayoutPlot(TAxisPanel& chart, const TTextMeasure& measure, int width, int height)
{
    TPlotLayout layout;
    layout.Bounds = {0, 0, width - 1, height - 1};
    // Margins are percentages: integer multiply-then-divide.
    TPixelRect r{width * chart.MarginLeft / 100, height * chart.MarginTop / 100,
                 width - 1 - width * chart.MarginRight / 100, height - 1 - height * chart.MarginBottom / 100};

    for (TAxis& a : chart.Axes()) {
        ComputeAutomaticRange(chart, a);
        a.Scale.Minimum = a.Minimum();
        a.Scale.Maximum = a.Maximum();
    }
    for (TAxis& a : chart.Axes()) {
        a.Shown = chart.AxisShown(a);
        a.TitleBand = a.LabelBand = a.TickBand = 0;
        if (!a.Shown)
            continue;
        a.TitleBand = TitleBandSize(a, measure);
        a.LabelBand = LabelBandSize(chart, a, measure, a.Horizontal() ? r.Width() : r.Height());
        a.TickBand = TickBandSize(a);
        const int cut = a.TitleBand + a.LabelBand + a.TickBand;
        switch (a.Kind()) {
        case TAxisKind::Bottom: r.Bottom -= cut; break;
        case TAxisKind::Top: r.Top += cut; break;
        case TAxisKind::Left: r.Left += cut; break;
        case TAxisKind::Right: r.Right -= cut; break;
        }
    }
    layout.PlotRect = chart.PlotRect = r;

    for (TAxis& a : chart.Axes()) {
        TAxisScale& s = a.Scale;
        s.Horizontal = a.Horizontal();
        s.Start = s.Horizontal ? r.Left : r.Top;
        s.End = s.Horizontal ? r.Right : r.Bottom;
        switch (a.Kind()) {
        case TAxisKind::Bottom: a.AxisLinePos = r.Bottom; break;
        case TAxisKind::Top: a.AxisLinePos = r.Top; break;
        case TAxisKind::Left: a.AxisLinePos = r.Left; break;
        case TAxisKind::Right: a.AxisLinePos = r.Right; break;
        }
        const int pad = MarkerPadding(chart, a);
        s = PadScale(s, a.AutomaticMinimum() ? pad : 0, a.AutomaticMaximum() ? pad : 0);
    }

    for (int i = 0; i < chart.SeriesTotal(); ++i) {
        TSeries* s = chart.SeriesAt(i);
        if (s->Active())
            ComputeVisibleRange(*s);
        else
            s->FirstShownIndex = s->LastShownIndex = -1;
    }

    for (size_t k = 0; k < 4; ++k) {
        TAxis& a = chart.Axes()[k];
        TAxisDrawing& d = layout.Axes[k];
        if (!a.Shown || !a.Labels)
            continue;
        d.Style = EffectiveLabelStyle(chart, a);
        if (d.Style == lsValue) {
            d.Step = AxisStep(a, measure, a.Scale);
            d.Labels = ValueLabels(a.Scale, d.Step, a.AxisValuesFormat, a.RoundFirstLabel, a.LabelsOnAxis);
        } else if (d.Style == lsText) {
            d.Labels = TextLabels(chart, a, measure);
        }
        for (const TAxisLabel& l : d.Labels)
            d.Ticks.push_back(l.Position);
    }
    return layout;
}
