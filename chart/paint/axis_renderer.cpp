#include "chart/paint/axis_renderer.h"

#include "chart/paint/qt_color.h"
#include "chart/paint/qt_text_measure.h"
#include "runtime/code_page.h"
#include "widgets/qt_text.h"

#include <QFontMetrics>

namespace {

Qt::PenStyle ToQtStyle(TLineStyle s)
{
    switch (s) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

// Text at `angle` degrees against an anchor on the axis' band edge: along a
// horizontal axis centred on `along`, starting at `edge` and growing outward
// (`outward` +1 or -1); on a vertical axis ending (left) or starting (right)
// at `edge`, centred on `along`.
void DrawBandText(QPainter& p, const TAxisFrame& axis, const std::string& text, const TPlotFont& font,
                  int angle, int along, int edge)
{
    const QFont f = ToQFont(font);
    p.setFont(f);
    p.setPen(ToQColor(font.Color));
    const QFontMetrics fm(f);
    const QString s = FromCp1251(text);
    const QRect box = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft | Qt::AlignTop, s);
    const int w = box.width(), h = box.height();
    const int outward = axis.OutwardStep;
    if (angle == 90 || angle == 270) {
        p.save();
        if (axis.Scale.Horizontal) {
            // Rotated to read upward (90) and ending at the inner edge.
            p.translate(along, edge);
            p.rotate(angle == 90 ? -90 : 90);
            const bool ends = (angle == 90) == (outward > 0);
            p.drawText(QRect(ends ? -w : 0, -h / 2, w, h), Qt::AlignLeft | Qt::AlignVCenter, s);
        } else {
            p.translate(edge, along);
            p.rotate(angle == 90 ? -90 : 90);
            p.drawText(QRect(-w / 2, outward > 0 ? 0 : -h, w, h), Qt::AlignHCenter | Qt::AlignTop, s);
        }
        p.restore();
        return;
    }
    QRect r;
    if (axis.Scale.Horizontal)
        r = QRect(along - w / 2, outward > 0 ? edge : edge - h, w, h);
    else
        r = QRect(outward > 0 ? edge : edge - w, along - h / 2, w, h);
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop, s);
}

} // namespace

void DrawSmallDotsLine(QImage& image, int x0, int y0, int x1, int y1, TWindowsColor color)
{
    const QRgb c = ToQRgb(color);
    auto put = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = c;
    };
    if (y0 == y1) {
        const int step = x1 >= x0 ? 2 : -2;
        for (int x = x0; step > 0 ? x <= x1 : x >= x1; x += step)
            put(x, y0);
    } else {
        const int step = y1 >= y0 ? 2 : -2;
        for (int y = y0; step > 0 ? y <= y1 : y >= y1; y += step)
            put(x0, y);
    }
}

void DrawAxis(QPainter& p, const TAxis& axis, const TAxisFrame& f, const TPixelRect& plot)
{
    const int centre = f.Scale.Centre();
    if (!axis.TitleCaption.empty())
        DrawBandText(p, f, axis.TitleCaption, axis.TitleFont, axis.TitleAngle, centre,
                     f.Outward(f.TickBand + f.LabelBand));
    for (const TAxisLabel& l : f.Labels)
        DrawBandText(p, f, l.Text, axis.LabelsFont, axis.LabelsAngle, l.Position, f.Outward(f.TickBand));

    if (axis.AxisPen.Draws()) {
        QPen pen(ToQColor(axis.AxisPen.Color()), axis.AxisPen.Width(), ToQtStyle(axis.AxisPen.Style()), Qt::FlatCap);
        p.setPen(pen);
        // The pen lies just outside the plot side.
        const int mid = f.Outward(axis.AxisPen.Width() / 2);
        if (f.Scale.Horizontal)
            p.drawLine(f.Scale.Start, mid, f.Scale.End, mid);
        else
            p.drawLine(mid, f.Scale.Start, mid, f.Scale.End);
    }
    if (axis.Ticks.Draws() && axis.TickLength > 0) {
        p.setPen(QPen(ToQColor(axis.Ticks.Color()), 1));
        const int from = f.Outward(axis.AxisPen.Visible() ? axis.AxisPen.Width() : 0);
        const int to = f.Outward((axis.AxisPen.Visible() ? axis.AxisPen.Width() : 0) + axis.TickLength - 1);
        for (int t : f.Ticks) {
            if (f.Scale.Horizontal)
                p.drawLine(t, from, t, to);
            else
                p.drawLine(from, t, to, t);
        }
    }
    if (!axis.Grid.Draws() || f.Ticks.empty())
        return;
    std::vector<int> lines;
    if (axis.GridCentered) {
        for (size_t i = 1; i < f.Ticks.size(); ++i)
            lines.push_back(int(std::lrint((f.Ticks[i - 1] + f.Ticks[i]) / 2.0)));
    } else {
        lines = f.Ticks;
    }
    const TWindowsColor gridColor = axis.Grid.Color() == DefaultPointColor ? Colors::Gray : axis.Grid.Color();
    if (axis.Grid.SmallDots() && axis.Grid.Width() <= 1) {
        QImage* image = dynamic_cast<QImage*>(p.device());
        if (image) {
            for (int g : lines) {
                if (f.Scale.Horizontal)
                    DrawSmallDotsLine(*image, g, plot.Top, g, plot.Bottom, gridColor);
                else
                    DrawSmallDotsLine(*image, plot.Left, g, plot.Right, g, gridColor);
            }
            return;
        }
    }
    p.setPen(QPen(ToQColor(gridColor), axis.Grid.Width(), ToQtStyle(axis.Grid.Style())));
    p.setBackgroundMode(Qt::TransparentMode);
    for (int g : lines) {
        if (f.Scale.Horizontal)
            p.drawLine(g, plot.Top, g, plot.Bottom);
        else
            p.drawLine(plot.Left, g, plot.Right, g);
    }
}
