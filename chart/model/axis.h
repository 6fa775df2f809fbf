#pragma once
// One axis: its settings (range, automatic flags, labels, pens, title). What a
// paint works out from them (scale, bands, labels) is in the plot frame.
#include "chart/model/plot_font.h"
#include "chart/model/plot_pen.h"

#include <string>

class TAxisPanel;

// Also the order in which a panel lists its axes.
enum class TAxisKind { Bottom, Top, Left, Right };
enum TLabelStyle { lsAuto, lsNone, lsValue, lsMark, lsText };

class TAxis {
public:
    explicit TAxis(TAxisKind kind);
    // The pens' change callbacks hold this axis.
    TAxis(const TAxis&) = delete;
    TAxis& operator=(const TAxis&) = delete;

    TAxisKind Kind() const { return kind_; }
    bool Horizontal() const { return kind_ == TAxisKind::Bottom || kind_ == TAxisKind::Top; }
    // Top and right axes lie on the far side of the plot.
    bool FarSide() const { return kind_ == TAxisKind::Top || kind_ == TAxisKind::Right; }

    // ---- range ----
    bool Automatic() const { return automatic_; }
    // Also sets both per-end flags: switching it off freezes the last drawn range.
    void SetAutomatic(bool b);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMinimum(bool b);
    void SetAutomaticMaximum(bool b);
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    // Raise EChartAxisError and change nothing for an inverted range.
    void SetMinimum(double v);
    void SetMaximum(double v);
    // Makes the axis manual with both ends (in either order), at least 1e-10 apart.
    void SetBothEnds(double a, double b);
    // Used by the automatic range pass only: no checks, no repaint.
    void StoreRange(double minimum, double maximum)
    {
        minimum_ = minimum;
        maximum_ = maximum;
    }

    // ---- look ----
    double Increment = 0;
    bool Visible = true;
    bool Labels = true;
    TLabelStyle LabelStyle = lsAuto;
    std::string AxisValuesFormat = "#,##0.###";
    int LabelsAngle = 0;
    TPlotFont LabelsFont;
    int LabelsSeparation = 10; // percent of a label's size
    int LabelsSize = 0;
    bool LabelsOnAxis = true;
    bool RoundFirstLabel = true;
    TPlotPen AxisPen{Colors::Black, psSolid, 2};
    TPlotPen Ticks{Colors::Gray};
    TPlotPen MinorTicks{Colors::Gray};
    int TickLength = 4;
    int MinorTickLength = 2;
    TPlotPen Grid{Colors::Gray, psDot};
    bool GridCentered = false;
    std::string TitleCaption;
    int TitleAngle = 0;
    TPlotFont TitleFont;
    int TitleSize = 0;

    void AttachTo(TAxisPanel* panel) { panel_ = panel; }

private:
    void RequestRepaint() const;

    TAxisKind kind_;
    TAxisPanel* panel_ = nullptr;
    bool automatic_ = true;
    bool automaticMinimum_ = true;
    bool automaticMaximum_ = true;
    double minimum_ = 0;
    double maximum_ = 0;
};
