#pragma once
// Series: points as parallel lists (X, Y, colour, label), axis binding, the
// click events. Plain model code: nothing here draws.
#include "chart/model/color.h"
#include "chart/model/mouse_input.h"
#include "chart/model/value_list.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TAxis;
class TAxisPanel;
struct TSeriesFrame;

enum THorizontalBinding { bindTop, bindBottom, bindBothHoriz, bindCustomHoriz };
enum TVerticalBinding { bindLeft, bindRight, bindBothVert, bindCustomVert };

class TSeries {
public:
    using ClickEvent = std::function<void(TSeries& sender, int valueIndex, TPressButton button,
                                          TPressFlags shift, int x, int y)>;

    TSeries();
    virtual ~TSeries();
    TSeries(const TSeries&) = delete;
    TSeries& operator=(const TSeries&) = delete;

    // ---- points ----
    // Inserts by the X order; answers the new index.
    int AddPoint(double x, double y, std::string_view label = {}, TWindowsColor color = DefaultPointColor);
    void ClearPoints();
    // Replaces the points by (0, ys[0]), (1, ys[1]), ... without labels or
    // colours, taking the storage of ys.
    void SetIndexedPoints(std::vector<int32_t> ys);
    // The same with a copy of ys, into the storage the series has already.
    void SetIndexedPoints(std::span<const int32_t> ys);
    // Room for `count` points in all, so that adding up to that many grows
    // no list (and copies none) on the way.
    void ReservePoints(int count);
    int PointCount() const { return xValues_.Count(); }
    double XValueAt(int index) const { return xValues_.ValueAt(index); }
    double YValueAt(int index) const { return yValues_.ValueAt(index); }
    // Windows-1251 text; empty past the end or for a point without a label.
    std::string LabelAt(int index) const;
    bool HasLabelAt(int index) const;
    // True when some point carries a label (the text-label style needs one).
    bool HasLabels() const { return labelledPoints_ > 0; }
    TWindowsColor PointColorAt(int index) const;
    // True when every point takes the series colour (lets drawing skip the lookup).
    bool UniformColor() const { return explicitColors_ == 0; }

    TValueList& XValues() { return xValues_; }
    TValueList& YValues() { return yValues_; }
    const TValueList& XValues() const { return xValues_; }
    const TValueList& YValues() const { return yValues_; }

    // ---- look and binding ----
    bool Active() const { return active_; }
    void SetActive(bool active);
    TWindowsColor SeriesColor() const { return seriesColor_; }
    void SetSeriesColor(TWindowsColor c);
    void SetHorizAxis(THorizontalBinding b);
    void SetVertAxis(TVerticalBinding b);
    // The axes the series is drawn against (null before it joins a chart).
    const TAxis* ResolvedHorizAxis() const;
    const TAxis* ResolvedVertAxis() const;
    // Bound to the axis directly or through a "both" binding of its direction.
    bool AssociatedWith(const TAxis& axis) const;

    // ---- events ----
    ClickEvent OnClick;

    // Value index under a client pixel, or -1, with the positions and the
    // shown range of a frame (the last painted one, for a press).
    virtual int PointAtPixel(const TSeriesFrame& frame, int x, int y) const;

    // Called by TAxisPanel when the series joins it.
    void AttachTo(TAxisPanel* panel) { panel_ = panel; }

protected:
    void RequestRepaint() const;

private:
    // After the points were replaced: none has a label or colour now.
    void PointsReplaced();

    TAxisPanel* panel_ = nullptr;
    TValueList xValues_{ordAscending};
    TValueList yValues_{ordNone};
    // Colours and labels are rare (only the spectrum has labels, nothing sets
    // colours): each list stays empty, meaning "all default", until a point
    // brings one; from then on it runs parallel to the values.
    std::vector<TWindowsColor> colors_;
    std::vector<std::unique_ptr<std::string>> labels_;
    int labelledPoints_ = 0;
    int explicitColors_ = 0;
    bool active_ = true;
    TWindowsColor seriesColor_ = DefaultPointColor;
    THorizontalBinding horizAxis_ = bindBottom;
    TVerticalBinding vertAxis_ = bindLeft;
};
