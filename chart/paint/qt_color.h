#pragma once
// The one conversion of the chart's Windows colour values (0x00BBGGRR) into
// Qt's pixels (0xAARRGGBB, opaque) and colours.
#include "chart/model/color.h"

#include <QColor>
#include <QRgb>

inline QRgb ToQRgb(TWindowsColor c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }
inline QColor ToQColor(TWindowsColor c) { return QColor(ToQRgb(c)); }
