#include "chart/chart_axis.h"

#include "chart/chart.h"
#include "runtime/exceptions.h"

TChartAxis::TChartAxis(TAxisKind kind) : kind_(kind)
{
    Scale.Horizontal = Horizontal();
    if (kind == TAxisKind::Left)
        TitleAngle = 90;
    else if (kind == TAxisKind::Right)
        TitleAngle = 270;
    for (TChartPen* p : {&AxisPen, &Ticks, &TicksInner, &MinorTicks, &Grid})
        p->OnChange = [this] { RequestRepaint(); };
    MinorTicks.SetVisible(true);
    TicksInner.SetVisible(true);
}

void TChartAxis::RequestRepaint() const
{
    if (chart_)
        chart_->RequestRepaint();
}

void TChartAxis::SetAutomatic(bool b)
{
    automatic_ = b;
    automaticMinimum_ = b;
    automaticMaximum_ = b;
    RequestRepaint();
}

void TChartAxis::SetAutomaticMinimum(bool b)
{
    automaticMinimum_ = b;
    if (!b || automaticMaximum_)
        automatic_ = b;
    RequestRepaint();
}

void TChartAxis::SetAutomaticMaximum(bool b)
{
    automaticMaximum_ = b;
    if (!b || automaticMinimum_)
        automatic_ = b;
    RequestRepaint();
}

void TChartAxis::SetMaximum(double v)
{
    if (v < minimum_)
        throw EChartAxisError("Axis Maximum Value must be >= Minimum");
    maximum_ = v;
    RequestRepaint();
}

void TChartAxis::SetMinimum(double v)
{
    if (v > maximum_)
        throw EChartAxisError("Axis Minimum Value must be <= Maximum");
    minimum_ = v;
    RequestRepaint();
}

void TChartAxis::SetMinMax(double a, double b)
{
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    if (a > b)
        std::swap(a, b);
    minimum_ = a;
    maximum_ = b;
    // Keep a usable range: a zero-width axis would map everything to one pixel.
    if (maximum_ < double((long double)minimum_ + 1e-10L))
        maximum_ = double((long double)minimum_ + 1e-10L);
    RequestRepaint();
}
