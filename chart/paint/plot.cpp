#include "chart/paint/plot.h"

#include "chart/layout/plot_layout.h"
#include "chart/model/automatic_range.h"
#include "chart/paint/plot_accessible.h"
#include "chart/paint/plot_renderer.h"
#include "chart/paint/qt_text_measure.h"
#include "chart/paint/zoom_rectangle.h"
#include "runtime/code_page.h"
#include "widgets/qt_text.h"

#include <QAccessible>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace {

TPressButton ToButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton:
        return TPressButton::Right;
    case Qt::MiddleButton:
        return TPressButton::Middle;
    default:
        return TPressButton::Left;
    }
}

TPressFlags ToFlags(Qt::KeyboardModifiers m)
{
    TPressFlags s = 0;
    if (m & Qt::ShiftModifier)
        s |= pressShift;
    if (m & Qt::ControlModifier)
        s |= pressCtrl;
    if (m & Qt::AltModifier)
        s |= pressAlt;
    return s;
}

} // namespace

TPlot::TPlot(QWidget* parent)
        : QWidget(parent), measure_(std::make_unique<TQtTextMeasure>()), interaction_(*this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    InstallPlotAccessibility();
    OnRepaintRequest = [this] {
        dirty_ = true;
        update();
        // The description counts the points: a change of curves may change it.
        if (QAccessible::isActive()) {
            QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
    };
    interaction_.OnDrawZoomRectangle = [this](const TDragRecord& r) {
        DrawZoomRectangle(r);
        update();
    };
    interaction_.OnRepaintNow = [this] { repaint(); };
    interaction_.OnRightClick = [this](int x, int y) { ShowPictureMenu(x, y); };
}

TPlot::~TPlot() = default;

void TPlot::SetHint(const std::string& text) { setToolTip(FromCp1251(text)); }

void TPlot::DrawZoomRectangle(const TDragRecord& r)
{
    DrawXorRectangle(image_, r.X0, r.Y0, r.X1, r.Y1, ZoomRectanglePen(Color), frame_.Device.Of(1));
}

void TPlot::ShowPictureMenu(int x, int y)
{
    if (pictureMenu_ == nullptr) {
        pictureMenu_ = new QMenu(this);
        connect(pictureMenu_->addAction(FromCp1251(Cp("Копировать изображение"))), &QAction::triggered, this,
                &TPlot::CopyPictureRequested);
        connect(pictureMenu_->addAction(FromCp1251(Cp("Сохранить изображение…"))), &QAction::triggered, this,
                &TPlot::SavePictureRequested);
    }
    const QPointF logical = QPointF(x, y) / frame_.Device.Ratio;
    pictureMenu_->popup(mapToGlobal(logical.toPoint()));
}

void TPlot::SetPixelRatio(double ratio)
{
    ratio_ = ratio;
    dirty_ = true;
    update();
}

double TPlot::PixelRatio() const { return ratio_ > 0 ? ratio_ : devicePixelRatioF(); }

QSize TPlot::DeviceSize() const { return (QSizeF(size()) * PixelRatio()).toSize().expandedTo(QSize(1, 1)); }

const QImage& TPlot::RenderNow()
{
    const TDeviceScale device{PixelRatio()};
    const QSize size = DeviceSize();
    if (image_.size() != size)
        image_ = QImage(size, QImage::Format_RGB32);
    // Painted pixel for pixel; the ratio only tells the screen how to place it.
    image_.setDevicePixelRatio(1);
    RepaintDone();
    RefreshAutomaticRanges(*this);
    frame_ = LayoutPlot(*this, *measure_, image_.width(), image_.height(), device);
    PaintPlot(image_, *this, frame_, TSeriesDrawing::Fast, &plans_);
    image_.setDevicePixelRatio(device.Ratio);
    ++renderCount_;
    dirty_ = false;
    // A zoom drag in progress keeps its rectangle through the repaint.
    if (ZoomRecord.Active)
        DrawZoomRectangle(ZoomRecord);
    return image_;
}

void TPlot::paintEvent(QPaintEvent*)
{
    if (dirty_ || image_.size() != DeviceSize() || image_.devicePixelRatio() != PixelRatio())
        RenderNow();
    QPainter p(this);
    p.drawImage(QPointF(0, 0), image_);
}

QPoint TPlot::DevicePos(const QPointF& logical) const
{
    // The device pixel whose area holds the point: the top left one of the
    // logical pixel's square at a whole ratio.
    const double ratio = frame_.Device.Ratio;
    return {int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio))};
}

void TPlot::Press(QMouseEvent* e, bool doubleClick)
{
    const QPoint pos = DevicePos(e->position());
    TPressFlags flags = ToFlags(e->modifiers());
    if (doubleClick)
        flags |= pressDouble;
    interaction_.MouseDown(frame_, ToButton(e->button()), flags, pos.x(), pos.y());
}

void TPlot::mousePressEvent(QMouseEvent* e) { Press(e, false); }
void TPlot::mouseDoubleClickEvent(QMouseEvent* e) { Press(e, true); }

void TPlot::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = DevicePos(e->position());
    interaction_.MouseMove(frame_, pos.x(), pos.y());
}

void TPlot::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pos = DevicePos(e->position());
    interaction_.MouseUp(frame_, ToButton(e->button()), pos.x(), pos.y());
}

void TPlot::wheelEvent(QWheelEvent* e)
{
    const int dy = e->angleDelta().y();
    if (dy == 0)
        return;
    interaction_.Wheel(dy);
    e->accept();
}
