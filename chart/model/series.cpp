#include "chart/model/series.h"

#include "chart/model/axis_panel.h"
#include "runtime/exceptions.h"

TSeries::TSeries() = default;
TSeries::~TSeries() = default;

void TSeries::RequestRepaint() const
{
    if (panel_)
        panel_->RequestRepaint();
}

int TSeries::AddPoint(double x, double y, std::string_view label, TWindowsColor color)
{
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
    // A burst of additions asks once; later ones see the pending request.
    if (active_ && panel_ && !panel_->RepaintPending())
        panel_->RequestRepaint();
    return i;
}

void TSeries::ClearPoints()
{
    xValues_.Clear();
    yValues_.Clear();
    PointsReplaced();
}

void TSeries::SetIndexedPoints(std::vector<int32_t> ys)
{
    xValues_.SetIndexes(int(ys.size()));
    yValues_.SetWholes(std::move(ys));
    PointsReplaced();
}

void TSeries::SetIndexedPoints(std::span<const int32_t> ys)
{
    xValues_.SetIndexes(int(ys.size()));
    yValues_.SetWholes(ys);
    PointsReplaced();
}

void TSeries::PointsReplaced()
{
    colors_.clear();
    labels_.clear();
    labelledPoints_ = 0;
    explicitColors_ = 0;
    if (active_)
        RequestRepaint();
}

void TSeries::ReservePoints(int count)
{
    xValues_.Reserve(count);
    yValues_.Reserve(count);
}

std::string TSeries::LabelAt(int index) const
{
    if (!HasLabelAt(index))
        return {};
    return *labels_[size_t(index)];
}

bool TSeries::HasLabelAt(int index) const
{
    return index >= 0 && index < int(labels_.size()) && labels_[size_t(index)];
}

TWindowsColor TSeries::PointColorAt(int index) const
{
    if (index < 0 || index >= PointCount())
        return seriesColor_;
    const TWindowsColor c = index < int(colors_.size()) ? colors_[size_t(index)] : DefaultPointColor;
    return c != DefaultPointColor ? c : seriesColor_;
}

void TSeries::SetActive(bool active)
{
    active_ = active;
    RequestRepaint();
}

void TSeries::SetSeriesColor(TWindowsColor c)
{
    seriesColor_ = c;
    RequestRepaint();
}

void TSeries::SetHorizAxis(THorizontalBinding b)
{
    horizAxis_ = b;
    RequestRepaint();
}

void TSeries::SetVertAxis(TVerticalBinding b)
{
    vertAxis_ = b;
    RequestRepaint();
}

// No custom axes exist in this chart, so a custom binding falls back like "both".
const TAxis* TSeries::ResolvedHorizAxis() const
{
    if (!panel_)
        return nullptr;
    return horizAxis_ == bindTop ? &panel_->TopAxis() : &panel_->BottomAxis();
}

const TAxis* TSeries::ResolvedVertAxis() const
{
    if (!panel_)
        return nullptr;
    return vertAxis_ == bindRight ? &panel_->RightAxis() : &panel_->LeftAxis();
}

bool TSeries::AssociatedWith(const TAxis& axis) const
{
    if (axis.Horizontal()) {
        if (horizAxis_ == bindBothHoriz)
            return true;
        return ResolvedHorizAxis() == &axis;
    }
    if (vertAxis_ == bindBothVert)
        return true;
    return ResolvedVertAxis() == &axis;
}

int TSeries::PointAtPixel(const TSeriesFrame&, int, int) const { return -1; }
