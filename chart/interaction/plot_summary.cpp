#include "chart/interaction/plot_summary.h"

#include "chart/layout/point_series.h"
#include "runtime/code_page.h"

std::string PlotName(const TAxisPanel& panel)
{
    std::string name;
    for (const TAxis& a : panel.Axes()) {
        if (!panel.AxisShown(a) || a.TitleCaption.empty())
            continue;
        if (!name.empty())
            name += ", ";
        name += a.TitleCaption;
    }
    return name;
}

std::string PlotDescription(const TAxisPanel& panel)
{
    std::string text;
    for (int i = 0; i < panel.SeriesTotal(); ++i) {
        const TSeries* s = panel.SeriesAt(i);
        const auto* drawn = dynamic_cast<const TPointSeries*>(s);
        if (!s->Active() || (drawn && !drawn->Painted()))
            continue;
        text += text.empty() ? Cp("Кривая ") : Cp("; кривая ");
        text += std::to_string(i + 1) + Cp(", точек: ") + std::to_string(s->PointCount());
    }
    return text.empty() ? Cp("Кривых нет") : text;
}
