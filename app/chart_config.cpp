#include "app/chart_config.h"

#include "chart/layout/point_series.h"
#include "chart/paint/plot.h"

namespace {

// Windows colour values 0x00BBGGRR of the design.
constexpr TWindowsColor PanelColor = 1256211;      // R 19, G 43, B 19
constexpr TWindowsColor GradientEnd = 2113054;     // R 30, G 62, B 32
constexpr TWindowsColor AxisLineColor = 16384;     // R 0, G 64, B 0
constexpr TWindowsColor LeftGridColor = 2965549;   // R 45, G 64, B 45
constexpr TWindowsColor BottomGridColor = 3362866; // R 50, G 80, B 51
constexpr TWindowsColor RightGridColor = 5987119;  // R 47, G 91, B 91
constexpr TWindowsColor DataColor = 33023;         // R 255, G 128, B 0

// "Arial" of the design is "Liberation Sans" here, at the same pixel height.
TPlotFont Font(int pixels, TWindowsColor color, bool bold = false)
{
    TPlotFont f;
    f.PixelSize = pixels;
    f.Color = color;
    f.Bold = bold;
    return f;
}

void HideTicks(TAxis& a)
{
    a.Ticks.SetVisible(false);
    a.MinorTicks.SetVisible(false);
}

void SmallDotsGrid(TAxis& a, TWindowsColor color, TLineStyle style = psDot)
{
    a.Grid.SetColor(color);
    a.Grid.SetStyle(style);
    a.Grid.SetSmallDots(true);
}

void ConfigurePanel(TAxisPanel& c)
{
    c.Color = PanelColor;
    c.Gradient.Visible = true;
    c.Gradient.StartColor = Colors::Black;
    c.Gradient.EndColor = GradientEnd;
    c.MarginLeft = c.MarginTop = c.MarginRight = c.MarginBottom = 2;
    c.ClipPoints = true;
    c.AllowZoom = true;
    c.AllowPanning = panBoth;

    TAxis& left = c.LeftAxis();
    left.AxisPen.SetVisible(false);
    left.AxisPen.SetColor(AxisLineColor);
    SmallDotsGrid(left, LeftGridColor, psDashDotDot);
    left.AxisValuesFormat = "##0.##";
    left.LabelStyle = lsValue;
    left.LabelsFont = Font(15, Colors::Green);
    HideTicks(left);
}

void ConfigureDataPoints(TLineSeries& s, TWindowsColor color, TWindowsColor brush)
{
    s.SetSeriesColor(color);
    s.Pointer().Style = markCircle;
    s.Pointer().HorizSize = 2;
    s.Pointer().VertSize = 2;
    s.Pointer().BrushColor = brush;
    s.Pointer().SetVisible(true);
}

} // namespace

DataChartSeries ConfigureDataChart(TPlot& ChartF)
{
    TAxisPanel& c = ChartF;
    ConfigurePanel(c);

    TAxis& bottom = c.BottomAxis();
    bottom.AxisPen.SetColor(AxisLineColor);
    SmallDotsGrid(bottom, BottomGridColor);
    bottom.LabelsFont = Font(16, Colors::Green, true);
    HideTicks(bottom);
    bottom.TitleCaption = "Time";
    bottom.TitleFont = Font(11, Colors::White);

    TAxis& right = c.RightAxis();
    right.Visible = false;
    right.AxisPen.SetVisible(false);
    SmallDotsGrid(right, RightGridColor);
    right.LabelsFont = Font(15, Colors::Teal);
    HideTicks(right);

    c.TopAxis().Visible = false;

    DataChartSeries series{c.AddSeries<TLineSeries>(), c.AddSeries<TLineSeries>(),
                           c.AddSeries<TLineSeries>()};
    ConfigureDataPoints(*series.Series2, DataColor, Colors::Red);
    ConfigureDataPoints(*series.Series3, Colors::Aqua, Colors::Blue);
    series.Series3->SetVertAxis(bindRight);
    ConfigureDataPoints(*series.Series4, Colors::Lime, Colors::Yellow);
    return series;
}

TAreaSeries* ConfigureSpectrumChart(TPlot& ChartSpectr)
{
    TAxisPanel& c = ChartSpectr;
    ConfigurePanel(c);

    TAxis& bottom = c.BottomAxis();
    bottom.AxisPen.SetColor(AxisLineColor);
    SmallDotsGrid(bottom, BottomGridColor);
    bottom.LabelsAngle = 90;
    bottom.LabelsFont = Font(15, Colors::Green);
    HideTicks(bottom);
    bottom.TitleCaption = "Spectr";
    bottom.TitleFont = Font(11, Colors::White);

    c.RightAxis().LabelsFont = Font(16, Colors::Silver);

    TAxis& top = c.TopAxis();
    top.AxisPen.SetVisible(false);
    top.Grid.SetVisible(false);
    top.LabelsFont = Font(15, Colors::Olive);
    top.LabelStyle = lsValue;
    top.MinorTicks.SetVisible(false);

    TAreaSeries* s = c.AddSeries<TAreaSeries>();
    s->SetSeriesColor(Colors::Yellow);
    s->Pointer().Style = markRectangle;
    s->Pointer().SetVisible(false);
    s->SetHorizAxis(bindBothHoriz);
    return s;
}
