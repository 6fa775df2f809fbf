#pragma once
// The chart control: a chart model shown as a widget. It paints the model from
// an off-screen image of its size in device pixels (at the screen's device
// pixel ratio, so lines and text are drawn at full resolution), keeps the frame
// of that paint for the mouse, forwards the mouse and wheel to the interaction
// code in the frame's device pixels and shows the hint as a tooltip. All
// computation lives in the plain classes it is built on. A right click that
// does not move the mouse opens the picture menu; what its commands do is the
// window's business, told by the two requests.
#include "chart/model/axis_panel.h"
#include "chart/raster/plan_cache.h"
#include "chart/layout/plot_frame.h"
#include "chart/interaction/plot_interaction.h"

#include <QImage>
#include <QWidget>
#include <memory>

class QMenu;
class TTextMeasure;

class TPlot : public QWidget, public TAxisPanel {
    Q_OBJECT

public:
    explicit TPlot(QWidget* parent = nullptr);
    ~TPlot() override;

    // The geometry of the last paint, which the mouse works with.
    const TPlotFrame& Frame() const { return frame_; }

    // The hint shown as a tooltip while the mouse rests on the chart (Windows-1251).
    void SetHint(const std::string& text);

    // Draws the current state into the off-screen image now (what a paint does
    // when something changed) and answers it: width() x height() times the
    // widget's device pixel ratio, which the image carries.
    const QImage& RenderNow();
    // Renders at this ratio in place of the screen's (0: the screen's again).
    void SetPixelRatio(double ratio);
    // How many times the chart content was drawn (a paint without changes only copies).
    int RenderCount() const { return renderCount_; }

    // The menu of the last right click ("Копировать изображение",
    // "Сохранить изображение…"); none before the first.
    QMenu* PictureMenu() const { return pictureMenu_; }

signals:
    void CopyPictureRequested();
    void SavePictureRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    double PixelRatio() const;
    QSize DeviceSize() const;
    // A mouse position in the device pixels of the last frame.
    QPoint DevicePos(const QPointF& logical) const;
    void Press(QMouseEvent* event, bool doubleClick);
    void DrawZoomRectangle(const TDragRecord& r);
    // Opens the picture menu at a device pixel of the frame.
    void ShowPictureMenu(int x, int y);

    std::unique_ptr<TTextMeasure> measure_;
    TPlotInteraction interaction_;
    TPlotFrame frame_;
    // What the last paint worked out from the points of dense lines.
    TPlanCache plans_;
    QImage image_;
    QMenu* pictureMenu_ = nullptr;
    double ratio_ = 0;
    bool dirty_ = true;
    int renderCount_ = 0;
};
