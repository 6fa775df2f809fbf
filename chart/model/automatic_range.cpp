#include "chart/model/automatic_range.h"

#include "chart/model/axis_panel.h"

#include <vector>

namespace {

// The series that set an axis' range: the active associated ones with points,
// or every associated one with points when none of them is active.
std::vector<const TSeries*> RangeSeries(const TAxisPanel& panel, const TAxis& axis)
{
    std::vector<const TSeries*> associated;
    bool anyActive = false;
    for (int i = 0; i < panel.SeriesTotal(); ++i) {
        const TSeries* s = panel.SeriesAt(i);
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

void RefreshAutomaticRange(const TAxisPanel& panel, TAxis& axis)
{
    const bool setMax = axis.Automatic() || axis.AutomaticMaximum();
    const bool setMin = axis.Automatic() || axis.AutomaticMinimum();
    if (!setMax && !setMin)
        return;
    double lo = 0, hi = 0;
    bool first = true;
    for (const TSeries* s : RangeSeries(panel, axis)) {
        const TValueList& list = axis.Horizontal() ? s->XValues() : s->YValues();
        const double sMin = list.Minimum(), sMax = list.Maximum();
        if (first || sMin < lo)
            lo = sMin;
        if (first || sMax > hi)
            hi = sMax;
        first = false;
    }
    axis.StoreRange(setMin ? lo : axis.Minimum(), setMax ? hi : axis.Maximum());
}

} // namespace

void RefreshAutomaticRanges(TAxisPanel& panel)
{
    for (TAxis& a : panel.Axes())
        RefreshAutomaticRange(panel, a);
}
