#include "chart/model/axis_panel.h"

#include "runtime/exceptions.h"

TAxisPanel::TAxisPanel()
{
    for (TAxis& a : axes_)
        a.AttachTo(this);
}

TAxisPanel::~TAxisPanel() = default;

TSeries* TAxisPanel::AddSeries(std::unique_ptr<TSeries> series)
{
    series->AttachTo(this);
    series_.push_back(std::move(series));
    RequestRepaint();
    return series_.back().get();
}

void TAxisPanel::CheckSeriesIndex(int index) const
{
    if (index < 0 || index >= SeriesTotal())
        RaiseListIndexError(index);
}

TSeries* TAxisPanel::SeriesAt(int index)
{
    CheckSeriesIndex(index);
    return series_[size_t(index)].get();
}

const TSeries* TAxisPanel::SeriesAt(int index) const
{
    CheckSeriesIndex(index);
    return series_[size_t(index)].get();
}

bool TAxisPanel::AnyActiveSeries() const
{
    for (const auto& s : series_)
        if (s->Active())
            return true;
    return false;
}

bool TAxisPanel::AxisShown(const TAxis& axis) const
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

void TAxisPanel::RequestRepaint()
{
    if (!RepaintOnChange || repaintPending_)
        return;
    repaintPending_ = true;
    if (OnRepaintRequest)
        OnRepaintRequest();
}
