#include "chart/paint/plot.h"

#include "chart/automatic_range.h"
#include "chart/paint/plot_renderer.h"
#include "chart/paint/qt_text_measure.h"
#include "chart/paint/zoom_rectangle.h"
#include "chart/plot_layout.h"
#include "widgets/qt_text.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

TPressButton ToButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton: return TPressButton::Right;
    case Qt::MiddleButton: return TPressButton::Middle;
    default: return TPressButton::Left;
    }
}

TPressFlags ToFlags(Qt::KeyboardModifiers m)
{
    TPressFlags s = 0;
    if (m & Qt::ShiftModifier) s |= pressShift;
    if (m & Qt::ControlModifier) s |= pressCtrl;
    if (m & Qt::AltModifier) s |= pressAlt;
    return s;
}

} // namespace

TPlot::TPlot(QWidget* parent)
    : QWidget(parent), measure_(std::make_unique<TQtTextMeasure>()), interaction_(*this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    OnRepaintRequest = [this] {
        dirty_ = true;
        update();
    };
    interaction_.OnDrawZoomRectangle = [this](const TDragRecord& r) {
        DrawZoomRectangle(r);
        update();
    };
    interaction_.OnRepaintNow = [this] { repaint(); };
}

TPlot::~TPlot() = default;

void TPlot::SetHint(const std::string& text)
{
    setToolTip(FromCp1251(text));
}

void TPlot::DrawZoomRectangle(const TDragRecord& r)
{
    DrawXorRectangle(image_, r.X0, r.Y0, r.X1, r.Y1, ZoomRectanglePen(Color));
}

const QImage& TPlot::RenderNow()
{
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (image_.size() != size)
        image_ = QImage(size, QImage::Format_RGB32);
    RepaintDone();
    RefreshAutomaticRanges(*this);
    frame_ = LayoutPlot(*this, *measure_, image_.width(), image_.height());
    PaintPlot(image_, *this, frame_);
    ++renderCount_;
    dirty_ = false;
    // A zoom drag in progress keeps its rectangle through the repaint.
    if (ZoomRecord.Active)
        DrawZoomRectangle(ZoomRecord);
    return image_;
}

void TPlot::paintEvent(QPaintEvent*)
{
    if (dirty_ || image_.size() != size())
        RenderNow();
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void TPlot::Press(QMouseEvent* e, bool doubleClick)
{
    const QPoint pos = e->position().toPoint();
    TPressFlags flags = ToFlags(e->modifiers());
    if (doubleClick)
        flags |= pressDouble;
    interaction_.MouseDown(frame_, ToButton(e->button()), flags, pos.x(), pos.y());
}

void TPlot::mousePressEvent(QMouseEvent* e) { Press(e, false); }
void TPlot::mouseDoubleClickEvent(QMouseEvent* e) { Press(e, true); }

void TPlot::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    interaction_.MouseMove(frame_, pos.x(), pos.y());
}

void TPlot::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
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
