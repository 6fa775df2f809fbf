#include "chart/paint/plot_accessible.h"

#include "chart/interaction/plot_summary.h"
#include "chart/paint/plot.h"
#include "widgets/accessible_factory.h"
#include "widgets/qt_text.h"

TPlotAccessible::TPlotAccessible(TPlot* plot) : QAccessibleWidget(plot, QAccessible::Chart) { }

QString TPlotAccessible::text(QAccessible::Text kind) const
{
    const auto* plot = static_cast<const TPlot*>(widget());
    if (kind == QAccessible::Name && plot->accessibleName().isEmpty())
        return FromCp1251(PlotName(*plot));
    if (kind == QAccessible::Description && plot->accessibleDescription().isEmpty())
        return FromCp1251(PlotDescription(*plot));
    return QAccessibleWidget::text(kind);
}

void InstallPlotAccessibility() { InstallAccessibleFactory<TPlot, TPlotAccessible>(); }
