#pragma once
// A chart as assistive technology sees it: a picture with a name (its axis
// titles) and a description (the points of each visible curve), both read
// from the chart model when asked, so they always follow the curves. Names
// and descriptions set on the widget itself take precedence.
#include <QAccessibleWidget>

class TPlot;

class TPlotAccessible : public QAccessibleWidget {
public:
    explicit TPlotAccessible(TPlot* plot);
    QString text(QAccessible::Text kind) const override;
};

// Lets every TPlot answer through TPlotAccessible; installs Qt's
// accessibility factory for it the first time it is called.
void InstallPlotAccessibility();
