#include "chart/chart.h"

#include "runtime/exceptions.h"

TChart::TChart()
{
    for (TChartAxis& a : axes_)
        a.AttachTo(this);
}

TChart::~TChart() = default;

TChartSeries* TChart::AddSeries(std::unique_ptr<TChartSeries> series)
{
    series->AttachTo(this);
    series_.push_back(std::move(series));
    RequestRepaint();
    return series_.back().get();
}

TChartSeries* TChart::SeriesAt(int index) const
{
    if (index < 0 || index >= SeriesTotal())
        RaiseListIndexError(index);
    return series_[size_t(index)].get();
}

bool TChart::AnyActiveSeries() const
{
    for (const auto& s : series_)
        if (s->Active())
            return true;
    return false;
}

bool TChart::AxisShown(const TChartAxis& axis) const
{
    if (!axis.Visible)
        return false;
    bool anyActive = false;
    for (const auto& s : series_) {
        if (!s->Active())
            continue;
        anyActive = true;
        if (s->AssociatedWith(axis))
            return true;
    }
    return !anyActive;
}

void TChart::RequestRepaint()
{
    if (!AutoRepaint || repaintPending_)
        return;
    repaintPending_ = true;
    if (OnRepaintRequest)
        OnRepaintRequest();
}
