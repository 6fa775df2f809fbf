#include "widgets/scroll_column.h"

#include <QEvent>
#include <QScrollBar>

TScrollColumn::TScrollColumn(QWidget* column, int width, int minimumHeight, QWidget* parent)
        : QScrollArea(parent), width_(width)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    // The panel's own face shows through, as it did without the scroll area.
    setBackgroundRole(QPalette::Window);
    viewport()->setAutoFillBackground(false);
    column->setMinimumHeight(minimumHeight);
    column->setAutoFillBackground(false);
    setWidget(column);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    setMinimumHeight(0);
    verticalScrollBar()->installEventFilter(this);
    FitWidth();
}

bool TScrollColumn::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == verticalScrollBar() && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        FitWidth();
    return QScrollArea::eventFilter(watched, event);
}

void TScrollColumn::FitWidth()
{
    const QScrollBar* bar = verticalScrollBar();
    const int barWidth = bar->isVisibleTo(this) ? bar->sizeHint().width() : 0;
    setFixedWidth(width_ + barWidth);
}
