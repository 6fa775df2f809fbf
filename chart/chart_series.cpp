#include "chart/chart_series.h"

#include "chart/chart.h"
#include "chart/series_hit_test.h"
#include "runtime/exceptions.h"

#include <cstdlib>

namespace {

// ColorEachPoint palette (never used by the window's charts).
constexpr TColor Palette[] = {0x0000ff, 0x00ff00, 0x00ffff, 0xff0000, 0xffffff, 0x808080,
                              0xff00ff, 0x008000, 0x800000, 0x808000, 0x000080, 0xc0c0c0};

} // namespace

TChartSeries::TChartSeries() = default;
TChartSeries::~TChartSeries() = default;

void TChartSeries::RequestRepaint() const
{
    if (chart_)
        chart_->RequestRepaint();
}

int TChartSeries::AddPoint(double x, double y, std::string_view label, TColor color)
{
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;
    const int i = xValues_.InsertOrdered(x);
    if (i == yValues_.Count())
        yValues_.Append(y);
    else
        yValues_.InsertAt(i, y);
    if (!label.empty() || !labels_.empty()) {
        if (labels_.empty())
            labels_.resize(size_t(xValues_.Count() - 1));
        std::unique_ptr<std::string> text;
        if (!label.empty()) {
            text = std::make_unique<std::string>(label);
            ++labelledPoints_;
        }
        labels_.insert(labels_.begin() + i, std::move(text));
    }
    if (color != DefaultPointColor || !colors_.empty()) {
        if (colors_.empty())
            colors_.resize(size_t(xValues_.Count() - 1), DefaultPointColor);
        if (color != DefaultPointColor)
            ++explicitColors_;
        colors_.insert(colors_.begin() + i, color);
    }
    if (OnAfterAdd)
        OnAfterAdd(*this, i);
    // A burst of additions asks once; later ones see the pending request.
    if (active_ && chart_ && !chart_->RepaintPending())
        chart_->RequestRepaint();
    return i;
}

void TChartSeries::ClearPoints()
{
    xValues_.Clear();
    yValues_.Clear();
    colors_.clear();
    labels_.clear();
    labelledPoints_ = 0;
    explicitColors_ = 0;
    if (OnClearValues)
        OnClearValues(*this);
    if (active_)
        RequestRepaint();
}

std::string TChartSeries::LabelAt(int index) const
{
    if (!HasLabelAt(index))
        return {};
    return *labels_[size_t(index)];
}

bool TChartSeries::HasLabelAt(int index) const
{
    return index >= 0 && index < int(labels_.size()) && labels_[size_t(index)];
}

TColor TChartSeries::PointColorAt(int index) const
{
    if (index < 0 || index >= PointCount())
        return seriesColor_;
    const TColor c = index < int(colors_.size()) ? colors_[size_t(index)] : DefaultPointColor;
    if (c != DefaultPointColor)
        return c;
    if (ColorEachPoint)
        return Palette[size_t(index) % (sizeof Palette / sizeof Palette[0])];
    return seriesColor_;
}

void TChartSeries::SetActive(bool active)
{
    active_ = active;
    RequestRepaint();
}

void TChartSeries::SetSeriesColor(TColor c)
{
    seriesColor_ = c;
    RequestRepaint();
}

void TChartSeries::SetHorizAxis(THorizAxis b)
{
    horizAxis_ = b;
    RequestRepaint();
}

void TChartSeries::SetVertAxis(TVertAxis b)
{
    vertAxis_ = b;
    RequestRepaint();
}

// No custom axes exist in this chart, so a custom binding falls back like "both".
TChartAxis* TChartSeries::GetHorizAxis() const
{
    if (!chart_)
        return nullptr;
    return horizAxis_ == bindTop ? &chart_->TopAxis() : &chart_->BottomAxis();
}

TChartAxis* TChartSeries::GetVertAxis() const
{
    if (!chart_)
        return nullptr;
    return vertAxis_ == bindRight ? &chart_->RightAxis() : &chart_->LeftAxis();
}

bool TChartSeries::AssociatedWith(const TChartAxis& axis) const
{
    if (axis.Horizontal()) {
        if (horizAxis_ == bindBothHoriz)
            return true;
        return GetHorizAxis() == &axis;
    }
    if (vertAxis_ == bindBothVert)
        return true;
    return GetVertAxis() == &axis;
}

int TChartSeries::PointAtPixel(int, int) const { return -1; }

TPointSeries::TPointSeries()
{
    pointer_.OnChange = [this] { RequestRepaint(); };
    linePen_.OnChange = [this] { RequestRepaint(); };
}

int TPointSeries::PointAtPixel(int x, int y) const
{
    if (FirstShownIndex < 0 || LastShownIndex < 0)
        return -1;
    const TChartAxis* h = GetHorizAxis();
    const TChartAxis* v = GetVertAxis();
    if (!h || !v)
        return -1;
    const TPixelPoint m{x, y};
    const int origin = v->Scale.End;
    const int last = std::min(LastShownIndex, PointCount() - 1);
    const TAxisMapper hx(h->Scale), vy(v->Scale);
    TPixelPoint prev;
    for (int i = FirstShownIndex; i <= last; ++i) {
        const TPixelPoint p{hx.Pixel(XValueAt(i)), vy.Pixel(YValueAt(i))};
        if (pointer_.Visible() && std::abs(p.X - x) < pointer_.HorizSize && std::abs(p.Y - y) < pointer_.VertSize) {
            if (OnClickPointer)
                OnClickPointer(const_cast<TPointSeries&>(*this), i);
            return i;
        }
        if (p == m)
            return i;
        if (i > FirstShownIndex) {
            if (LineClickable) {
                bool hit;
                if (Stairs) {
                    // The two axis-parallel legs through the corner.
                    const TPixelPoint corner = InvertedStairs ? TPixelPoint{prev.X, p.Y} : TPixelPoint{p.X, prev.Y};
                    hit = SegmentHit(m, prev, corner) || SegmentHit(m, corner, p);
                } else {
                    hit = SegmentHit(m, prev, p);
                }
                if (hit)
                    return i - 1;
            }
            if (DrawArea) {
                const TPixelPoint quad[4] = {prev, p, {p.X, origin}, {prev.X, origin}};
                if (PolygonContains(quad, 4, m))
                    return i - 1;
            }
        }
        prev = p;
    }
    return -1;
}
