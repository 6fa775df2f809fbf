#include "chart/paint/axis_renderer.h"

#include "chart/layout/scaled_measure.h"
#include "chart/paint/qt_color.h"
#include "chart/paint/qt_text_measure.h"
#include "runtime/code_page.h"
#include "widgets/qt_text.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>

namespace {

Qt::PenStyle ToQtStyle(TLineStyle s)
{
    switch (s) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
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

void DrawSmallDotsLine(QImage& image, int x0, int y0, int x1, int y1, TWindowsColor color, int dot)
{
    const QRgb c = ToQRgb(color);
    auto put = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = c;
    };
    const bool horizontal = y0 == y1;
    const int from = horizontal ? x0 : y0, to = horizontal ? x1 : y1;
    const int step = to >= from ? 1 : -1;
    for (int k = 0; k <= (to - from) * step; ++k) {
        if ((k / dot) % 2 != 0)
            continue;
        const int along = from + step * k;
        for (int j = 0; j < dot; ++j) {
            if (horizontal)
                put(along, y0 + j);
            else
                put(x0 + j, along);
        }
    }
}

void DrawAxis(QPainter& p, const TAxis& axis, const TAxisFrame& f, const TPixelRect& plot,
              const TDeviceScale& device)
{
    const int centre = f.Scale.Centre();
    if (!axis.TitleCaption.empty())
        DrawBandText(p, f, axis.TitleCaption, ScaledFont(axis.TitleFont, device), axis.TitleAngle, centre,
                     f.Outward(f.TickBand + f.LabelBand));
    for (const TAxisLabel& l : f.Labels)
        DrawBandText(p, f, l.Text, ScaledFont(axis.LabelsFont, device), axis.LabelsAngle, l.Position,
                     f.Outward(f.TickBand));

    // A line one logical pixel wide: device.Of(1) device pixels, right of or
    // below its position as a logical pixel covers.
    const int thin = device.Of(1);
    const int penWidth = axis.AxisPen.Visible() ? device.Of(axis.AxisPen.Width()) : 0;
    if (axis.AxisPen.Draws()) {
        QPen pen(ToQColor(axis.AxisPen.Color()), penWidth, ToQtStyle(axis.AxisPen.Style()), Qt::FlatCap);
        p.setPen(pen);
        // The pen lies just outside the plot side. Qt centres a pen of width w
        // at c on c - w / 2 .. c - w / 2 + w - 1, so the band it covers grows
        // with the ratio in proportion.
        const int mid = f.Outward(penWidth / 2);
        if (f.Scale.Horizontal)
            p.drawLine(f.Scale.Start, mid, f.Scale.End, mid);
        else
            p.drawLine(mid, f.Scale.Start, mid, f.Scale.End);
    }
    if (axis.Ticks.Draws() && axis.TickLength > 0) {
        const QColor tickColor = ToQColor(axis.Ticks.Color());
        const int from = f.Outward(penWidth);
        const int to = f.Outward(penWidth + device.Of(axis.TickLength) - 1);
        const int lo = std::min(from, to), length = std::abs(to - from) + 1;
        for (int t : f.Ticks) {
            if (f.Scale.Horizontal)
                p.fillRect(t, lo, thin, length, tickColor);
            else
                p.fillRect(lo, t, length, thin, tickColor);
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
                    DrawSmallDotsLine(*image, g, plot.Top, g, plot.Bottom, gridColor, thin);
                else
                    DrawSmallDotsLine(*image, plot.Left, g, plot.Right, g, gridColor, thin);
            }
            return;
        }
    }
    const int gridWidth = device.Of(axis.Grid.Width());
    p.setPen(QPen(ToQColor(gridColor), gridWidth, ToQtStyle(axis.Grid.Style())));
    p.setBackgroundMode(Qt::TransparentMode);
    for (int g : lines) {
        const int at = g + gridWidth / 2 - axis.Grid.Width() / 2;
        if (f.Scale.Horizontal)
            p.drawLine(at, plot.Top, at, plot.Bottom);
        else
            p.drawLine(plot.Left, at, plot.Right, at);
    }
}
