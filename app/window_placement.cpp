#include "app/window_placement.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

QRect RestoredGeometry(const QRect& available, const QSize& design, const QMargins& frame)
{
    const int extraWidth = frame.left() + frame.right();
    const int extraHeight = frame.top() + frame.bottom();
    const QSize client(std::max(1, std::min(design.width(), available.width() - extraWidth)),
                       std::max(1, std::min(design.height(), available.height() - extraHeight)));
    const QPoint frameOrigin(available.left() + (available.width() - client.width() - extraWidth) / 2,
                             available.top() + (available.height() - client.height() - extraHeight) / 2);
    return QRect(frameOrigin + QPoint(frame.left(), frame.top()), client);
}

QSize DesignClientSize(const QMainWindow& window)
{
    return QSize(1027, 672 + window.menuBar()->sizeHint().height());
}

void KeepInsideScreen(QMainWindow& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr || window.isMaximized() || window.isFullScreen() || window.isMinimized())
        return;
    const QRect available = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (available.contains(frame))
        return;
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    window.setGeometry(RestoredGeometry(available, DesignClientSize(window), margins));
}
