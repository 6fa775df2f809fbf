#pragma once
// Where the window goes when it is not maximized: the design's size, or the
// screen's available area where that is smaller, centred in that area with its
// frame (title bar included) inside it.
#include <QMargins>
#include <QRect>
#include <QSize>

class QMainWindow;

// The client geometry for a window whose frame adds `frame` around the client.
QRect RestoredGeometry(const QRect& available, const QSize& design, const QMargins& frame);

// The design's client area, 1027 x 672 below the menu bar.
QSize DesignClientSize(const QMainWindow& window);

// Before the window manager has framed the window its frame is unknown; a
// title bar and thin borders of this size are usual.
inline constexpr QMargins kUsualFrame{4, 28, 4, 4};

// Puts a restored window back inside its screen's available area when it is
// not wholly inside (a window restored from maximized to a size as large as
// the screen has its title bar above the top edge).
void KeepInsideScreen(QMainWindow& window);
