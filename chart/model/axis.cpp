#include "chart/model/axis.h"

#include "chart/model/axis_panel.h"
#include "runtime/exceptions.h"

TAxis::TAxis(TAxisKind kind) : kind_(kind)
{
    if (kind == TAxisKind::Left)
        TitleAngle = 90;
    else if (kind == TAxisKind::Right)
        TitleAngle = 270;
    for (TPlotPen* p : {&AxisPen, &Ticks, &MinorTicks, &Grid})
        p->OnChange = [this] { RequestRepaint(); };
}

void TAxis::RequestRepaint() const
{
    if (panel_)
        panel_->RequestRepaint();
}

void TAxis::SetAutomatic(bool b)
{
    automatic_ = b;
    automaticMinimum_ = b;
    automaticMaximum_ = b;
    RequestRepaint();
}

void TAxis::SetAutomaticMinimum(bool b)
{
    automaticMinimum_ = b;
    if (!b || automaticMaximum_)
        automatic_ = b;
    RequestRepaint();
}

void TAxis::SetAutomaticMaximum(bool b)
{
    automaticMaximum_ = b;
    if (!b || automaticMinimum_)
        automatic_ = b;
    RequestRepaint();
}

void TAxis::SetMaximum(double v)
{
    if (v < minimum_)
        throw EChartAxisError("Axis Maximum Value must be >= Minimum");
    maximum_ = v;
    RequestRepaint();
}

void TAxis::SetMinimum(double v)
{
    if (v > maximum_)
        throw EChartAxisError("Axis Minimum Value must be <= Maximum");
    minimum_ = v;
    RequestRepaint();
}

void TAxis::SetBothEnds(double a, double b)
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
