#include "chart/paint/series_renderer.h"

#include "chart/raster/marker_flags.h"
#include "chart/paint/qt_color.h"
#include "chart/raster/pixel_raster.h"
#include "chart/raster/plan_cache.h"
#include "chart/raster/point_pixels.h"
#include "chart/layout/point_series.h"

#include <algorithm>
#include <vector>

namespace {

// Cuts a vertical run at column x, rows y0..y1, to the clip rectangle; false
// when nothing of it is left.
[[gnu::always_inline]] inline bool ClipRun(const TPixelRect& clip, int x, int& y0, int& y1)
{
    if (x < clip.Left || x > clip.Right)
        return false;
    y0 = std::max(y0, clip.Top);
    y1 = std::min(y1, clip.Bottom);
    return y0 <= y1;
}

// Paints every run completely, in call order.
class TDirectSink {
public:
    TDirectSink(QImage& image, const TPixelRect& clip)
            : bits_(reinterpret_cast<QRgb*>(image.bits())), stride_(image.bytesPerLine() / 4), clip_(clip)
    {
    }

    [[gnu::always_inline]] void Run(int x, int y0, int y1, QRgb c)
    {
        if (!ClipRun(clip_, x, y0, y1))
            return;
        for (int y = y0; y <= y1; ++y)
            bits_[size_t(y) * size_t(stride_) + size_t(x)] = c;
    }
    static constexpr bool Backward = false;

private:
    QRgb* bits_;
    int stride_;
    TPixelRect clip_;
};

// Paints only pixels not painted before, for drawing back to front. Each
// column keeps, for every row, a link towards the next row still free (union
// by path halving), so a run over covered rows costs a few steps.
class TCoverageSink {
public:
    TCoverageSink(QImage& image, const TPixelRect& clip)
            : bits_(reinterpret_cast<QRgb*>(image.bits())), stride_(image.bytesPerLine() / 4), clip_(clip),
              rows_(clip.Rows()), next_(size_t(clip.Columns()) * size_t(rows_ + 1)),
              band_(size_t(clip.Columns()), TBand{1, 0}), markers_(clip)
    {
        for (size_t c = 0; c < size_t(clip.Columns()); ++c) {
            int32_t* col = &next_[c * size_t(rows_ + 1)];
            for (int r = 0; r <= rows_; ++r)
                col[r] = r;
        }
    }

    [[gnu::always_inline]] void Run(int x, int y0, int y1, QRgb c)
    {
        if (!ClipRun(clip_, x, y0, y1))
            return;
        const size_t c0 = size_t(x - clip_.Left);
        const int last = y1 - clip_.Top;
        const int first = y0 - clip_.Top;
        TBand& band = band_[c0];
        if (first >= band.Lo && last <= band.Hi)
            return;
        int32_t* col = &next_[c0 * size_t(rows_ + 1)];
        int r = Find(col, first);
        while (r <= last) {
            bits_[size_t(r + clip_.Top) * size_t(stride_) + size_t(x)] = c;
            col[r] = r + 1;
            r = Find(col, r + 1);
        }
        // The whole run is covered now: let its first row skip past it at once.
        if (col[first] != first)
            col[first] = r;
        // Rows first .. r - 1 are all covered; grow the column's known band.
        if (first <= band.Hi + 1 && r - 1 >= band.Lo - 1) {
            band.Lo = std::min(band.Lo, first);
            band.Hi = std::max(band.Hi, r - 1);
        } else if (r - 1 - first > band.Hi - band.Lo) {
            band = {first, r - 1};
        }
    }
    // Nothing left to paint in rows y0..y1 of column x.
    [[gnu::always_inline]] bool Covered(int x, int y0, int y1)
    {
        if (x < clip_.Left || x > clip_.Right)
            return true;
        if (y0 < clip_.Top)
            y0 = clip_.Top;
        if (y1 > clip_.Bottom)
            y1 = clip_.Bottom;
        if (y0 > y1)
            return true;
        const size_t c0 = size_t(x - clip_.Left);
        const TBand& band = band_[c0];
        if (y0 - clip_.Top >= band.Lo && y1 - clip_.Top <= band.Hi)
            return true;
        int32_t* col = &next_[c0 * size_t(rows_ + 1)];
        return Find(col, y0 - clip_.Top) > y1 - clip_.Top;
    }
    static constexpr bool Backward = true;

    // The marker flags of the series being drawn.
    [[gnu::always_inline]] bool FirstMarkerAt(int x, int y) { return markers_.FirstMarkerAt(x, y); }
    void ResetMarkers() { markers_.Reset(); }

private:
    // Full path compression: after one walk every row on it links straight
    // to the free row, so later tests of a covered band cost one or two steps.
    static int Find(int32_t* col, int r)
    {
        int root = r;
        while (col[root] != root)
            root = col[root];
        while (col[r] != root) {
            const int next = col[r];
            col[r] = root;
            r = next;
        }
        return root;
    }

    QRgb* bits_;
    int stride_;
    TPixelRect clip_;
    int rows_;
    std::vector<int32_t> next_;
    // Per column, one block of rows known to be covered (empty: Lo > Hi), to
    // answer most tests with two comparisons instead of a walk.
    struct TBand {
        int Lo, Hi;
    };
    std::vector<TBand> band_;
    TMarkerFlags markers_;
};

struct TPos {
    int X, Y;
    QRgb Color;
};

// The primitive sequence of one series.
class TSeriesPrimitives {
public:
    TSeriesPrimitives(const TPointSeries& s, const TSeriesFrame& f, const TPixelRect& clip)
            : s_(s), h_(f.Horizontal), v_(f.Vertical),
              pixels_(s.XValues().Span(), s.YValues().Span(), h_, v_), clip_(clip),
              uniform_(s.UniformColor()), seriesColor_(ToQRgb(s.SeriesColor())),
              marker_(MakeMarkerShape(s.Pointer().Style == markCircle, f.Device.Of(s.Pointer().HorizSize),
                                      f.Device.Of(s.Pointer().VertSize), f.Device.Of(1))),
              stroke_(f.Device.Of(1))
    {
        first_ = f.FirstShownIndex;
        last_ = std::min(f.LastShownIndex, s.PointCount() - 1);
        origin_ = v_.End;
        area_ = s.DrawArea;
        lines_ = s.LinePen().Draws();
        areaPen_ = s.AreaLinesPen.Draws();
        markers_ = s.Pointer().Visible();
        const TWindowsColor lineColor = s.LinePen().Color();
        lineColor_ = lineColor == DefaultPointColor ? 0 : ToQRgb(lineColor);
        lineTakesPoint_ = lineColor == DefaultPointColor;
        brush_ = s.Pointer().BrushColor;
        pen_ = s.Pointer().Pen.Color();
        penDraws_ = s.Pointer().Pen.Draws();
        areaColor_ = s.AreaColor;
        areaLine_ = ToQRgb(s.AreaLinesPen.Color());
    }

    // Backward sinks take the plan of a dense line from plans.
    template <class Sink>
    void Emit(Sink& k, TPlanCache* plans = nullptr) const
    {
        if (first_ < 0 || last_ < first_)
            return;
        // A hidden curve (clear pen, no markers) has nothing to paint.
        if (!markers_ && !area_ && !lines_)
            return;
        if constexpr (Sink::Backward) {
            // The plan reasons about one-pixel runs; a wider device stroke
            // reaches rows and columns it would count as hidden, so it draws
            // point by point, as do areas and curves of several colours.
            if (!area_ && uniform_ && stroke_ == 1)
                plans->Paint(PlanKey(), s_.XValues().NonDecreasing(),
                             [&](const TPlanRange& r) { Replay(k, r); });
            else
                EmitBackward(k);
        } else
            EmitForward(k);
    }

private:
    [[gnu::always_inline]] bool Pos(int i, TPos& p) const
    {
        TPixelPoint at;
        if (!pixels_.At(i, at))
            return false;
        p = {at.X, at.Y, ColorAt(i)};
        return true;
    }
    QRgb ColorAt(int i) const { return uniform_ ? seriesColor_ : ToQRgb(s_.PointColorAt(i)); }

    // Where the drawing starts when the first drawn point (at p) is not point 0.
    bool EdgePrevious(const TPos& p, TPos& e) const
    {
        TPixelPoint at;
        if (!pixels_.EdgeStart(first_, {p.X, p.Y}, area_, clip_.Left, at))
            return false;
        e = {at.X, at.Y, ColorAt(first_ - 1)};
        return true;
    }

    TPlanKey PlanKey() const
    {
        const TValueList& xs = s_.XValues();
        const TValueList& ys = s_.YValues();
        TPlanKey key;
        key.Xs = xs.Span();
        key.Ys = ys.SpanWithBlocks();
        key.XList = xs.Identity();
        key.YList = ys.Identity();
        key.XChanges = xs.Changes();
        key.YChanges = ys.Changes();
        key.Horizontal = h_;
        key.Vertical = v_;
        key.Clip = clip_;
        key.First = first_;
        key.Last = last_;
        key.Markers = markers_;
        key.MarkerOffsetX = marker_.OffsetX;
        key.MarkerOffsetY = marker_.OffsetY;
        key.MarkerWidth = marker_.Width;
        key.MarkerHeight = marker_.Height;
        key.MarkerHiddenBetween = HiddenBetweenRows(marker_);
        return key;
    }

    // Paints a range of a dense line's plan: its markers (each already the
    // first at its pixel) and segments, back to front.
    template <class Sink>
    void Replay(Sink& k, const TPlanRange& steps) const
    {
        for (const TPlanStep& step : steps) {
            const TPos a{step.X, step.Y, seriesColor_};
            if (step.Marker)
                Marker(k, a, false);
            if (step.Segment)
                Segment(k, a, TPos{step.ToX, step.ToY, seriesColor_});
        }
    }

    template <class Sink>
    void EmitForward(Sink& k) const
    {
        bool havePrev = false;
        TPos prev{};
        for (int i = first_; i <= last_; ++i) {
            TPos p{};
            if (!Pos(i, p))
                continue;
            if (i == first_) {
                TPos e{};
                if (first_ > 0 && EdgePrevious(p, e))
                    Segment(k, e, p);
                if (first_ == last_)
                    Marker(k, p);
            } else if (havePrev) {
                Segment(k, prev, p);
                Marker(k, prev);
                if (i == last_)
                    Marker(k, p);
            } else if (i == last_) {
                Marker(k, p);
            }
            prev = p;
            havePrev = true;
        }
    }

    // The same steps as EmitForward, the sequence reversed: step i of the
    // forward walk is [segment(j, i), marker(j), marker(i) at the end], j
    // being the previous drawn point.
    template <class Sink>
    void EmitBackward(Sink& k) const
    {
        int i = last_;
        TPos p{};
        while (i >= first_ && !Pos(i, p))
            --i;
        if (i < first_)
            return;
        // Rows spanned by the drawn points from p on that share p's column
        // without a break. Their vertical segments join into one run over all
        // of it, drawn before anything earlier is looked at, so an earlier
        // segment in the same column that ends inside it is covered.
        int runLo = p.Y, runHi = p.Y;
        while (true) {
            if (i == first_) {
                if (first_ == last_)
                    Marker(k, p);
                TPos e{};
                if (first_ > 0 && EdgePrevious(p, e))
                    Segment(k, e, p);
                return;
            }
            if (i == last_)
                Marker(k, p);
            int j = i - 1;
            TPos q{};
            while (j >= first_ && !Pos(j, q))
                --j;
            if (j < first_)
                return;
            Marker(k, q);
            if (q.X != p.X || area_) {
                Segment(k, q, p);
                runLo = runHi = q.Y;
            } else if (q.Y < runLo || q.Y > runHi) {
                Segment(k, q, p);
                runLo = std::min(runLo, q.Y);
                runHi = std::max(runHi, q.Y);
            }
            i = j;
            p = q;
        }
    }

    template <class Sink>
    [[gnu::always_inline]] void Segment(Sink& k, const TPos& a, const TPos& b) const
    {
        if (a.X == b.X && a.Y == b.Y)
            return;
        if (area_) {
            // Filled quadrilateral a, b, (b.x, origin), (a.x, origin), then its outline.
            if constexpr (Sink::Backward) {
                AreaOutline(k, a, b);
                AreaFill(k, a, b);
            } else {
                AreaFill(k, a, b);
                AreaOutline(k, a, b);
            }
            return;
        }
        if (!lines_)
            return;
        const QRgb c = lineTakesPoint_ ? b.Color : lineColor_;
        if (a.X == b.X) {
            // Dense data: most segments stay within one pixel column.
            Stroke(k, a.X, std::min(a.Y, b.Y), std::max(a.Y, b.Y), c);
            return;
        }
        RasterLine(a.X, a.Y, b.X, b.Y, clip_.Left, clip_.Right,
                   [&](int x, int y0, int y1) { Stroke(k, x, y0, y1, c); });
    }

    // A run of a one-pixel line at the device scale: the square of stroke_
    // device pixels below and right of each pixel, as the logical pixel covers.
    template <class Sink>
    [[gnu::always_inline]] void Stroke(Sink& k, int x, int y0, int y1, QRgb c) const
    {
        for (int i = 0; i < stroke_; ++i)
            k.Run(x + i, y0, y1 + stroke_ - 1, c);
    }

    template <class Sink>
    void AreaFill(Sink& k, const TPos& a, const TPos& b) const
    {
        const QRgb c = areaColor_ == DefaultPointColor ? b.Color : ToQRgb(areaColor_);
        const int xl = std::max(std::min(a.X, b.X), clip_.Left),
                  xr = std::min(std::max(a.X, b.X), clip_.Right);
        const TPos& l = a.X <= b.X ? a : b;
        const TPos& r = a.X <= b.X ? b : a;
        const long long dx = (long long)r.X - l.X, dy = (long long)r.Y - l.Y;
        for (int x = xl; x <= xr; ++x) {
            // Row of the top edge at this column, rounded half up.
            const int yt = dx == 0 ? std::min(a.Y, b.Y)
                                   : int(l.Y + FloorDiv(2 * ((long long)x - l.X) * dy + dx, 2 * dx));
            k.Run(x, std::min(yt, origin_), std::max(yt, origin_), c);
        }
    }

    template <class Sink>
    void AreaOutline(Sink& k, const TPos& a, const TPos& b) const
    {
        if (!areaPen_)
            return;
        const QRgb c = areaLine_;
        auto run = [&](int x, int y0, int y1) { Stroke(k, x, y0, y1, c); };
        const int L = clip_.Left, R = clip_.Right;
        // Reverse drawing must visit the four edges in reverse order too; the
        // pen is one colour, so the order among them does not matter.
        RasterLine(a.X, a.Y, b.X, b.Y, L, R, run);
        RasterLine(b.X, b.Y, b.X, origin_, L, R, run);
        RasterLine(b.X, origin_, a.X, origin_, L, R, run);
        RasterLine(a.X, origin_, a.X, a.Y, L, R, run);
    }

    template <class Sink>
    [[gnu::always_inline]] void Marker(Sink& k, const TPos& p, bool checkPlaced = true) const
    {
        if (!markers_)
            return;
        const QRgb fill = brush_ == DefaultPointColor ? p.Color : ToQRgb(brush_);
        const QRgb rim = pen_ == DefaultPointColor ? p.Color : ToQRgb(pen_);
        const int x0 = p.X + marker_.OffsetX, y0 = p.Y + marker_.OffsetY;
        if constexpr (Sink::Backward) {
            // A later marker of this series at the same pixel covers this one
            // (a plan has looked that up already).
            if (checkPlaced && !k.FirstMarkerAt(p.X, p.Y))
                return;
            // Dense curves bury most markers under later ones: test the box first.
            bool hidden = true;
            for (int dx = 0; dx < marker_.Width && hidden; ++dx)
                hidden = k.Covered(x0 + dx, y0, y0 + marker_.Height - 1);
            if (hidden)
                return;
        }
        for (const TMarkerRun& r : marker_.Runs) {
            if (r.Rim && !penDraws_) {
                k.Run(x0 + r.Dx, y0 + r.Dy0, y0 + r.Dy1, fill);
                continue;
            }
            k.Run(x0 + r.Dx, y0 + r.Dy0, y0 + r.Dy1, r.Rim ? rim : fill);
        }
    }

    const TPointSeries& s_;
    const TAxisScale& h_;
    const TAxisScale& v_;
    TPointPixels pixels_;
    TPixelRect clip_;
    bool uniform_;
    QRgb seriesColor_;
    TMarkerShape marker_;
    int stroke_ = 1;
    int first_ = -1, last_ = -1, origin_ = 0;
    bool area_ = false, lines_ = true, areaPen_ = true, markers_ = false, lineTakesPoint_ = true,
         penDraws_ = true;
    QRgb lineColor_ = 0, areaLine_ = 0;
    TWindowsColor brush_ = DefaultPointColor, pen_ = 0, areaColor_ = DefaultPointColor;
};

} // namespace

void DrawSeries(QImage& image, const TAxisPanel& panel, const TPlotFrame& frame, const TPixelRect& clip,
                TSeriesDrawing drawing, TPlanCache* plans)
{
    if (clip.SpanX() < 0 || clip.SpanY() < 0 || image.isNull())
        return;
    TPixelRect c = clip;
    c.Left = std::max(c.Left, 0);
    c.Top = std::max(c.Top, 0);
    c.Right = std::min(c.Right, image.width() - 1);
    c.Bottom = std::min(c.Bottom, image.height() - 1);
    if (c.SpanX() < 0 || c.SpanY() < 0)
        return;
    std::vector<std::pair<const TPointSeries*, const TSeriesFrame*>> drawn;
    for (int i = 0; i < panel.SeriesTotal(); ++i) {
        const auto* s = dynamic_cast<const TPointSeries*>(panel.SeriesAt(i));
        const TSeriesFrame& f = frame.SeriesAt(i);
        if (s && s->Active() && f.FirstShownIndex >= 0)
            drawn.push_back({s, &f});
    }
    if (drawing == TSeriesDrawing::OneByOne) {
        TDirectSink sink(image, c);
        for (const auto& [s, f] : drawn)
            TSeriesPrimitives(*s, *f, c).Emit(sink);
        return;
    }
    TPlanCache once;
    TPlanCache& kept = plans ? *plans : once;
    TCoverageSink sink(image, c);
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it) {
        sink.ResetMarkers();
        TSeriesPrimitives(*it->first, *it->second, c).Emit(sink, &kept);
    }
    kept.Sweep();
}
