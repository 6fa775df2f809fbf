#pragma once
// The look the window's layout was drawn for. Its pixel positions assume the
// classic Windows metrics: a group box's caption sits on the frame line, the
// frame half a text line down; bevels are one pixel, edit boxes two. And a
// caption font as wide as the design's, so that every caption fits its box.
#include <QFont>

// Makes qtbase's classic "Windows" style the application's style (once).
void UseDesignStyle();
// Liberation Sans at the given pixel height. It has Arial's widths, close to
// the design font's; the desktop's default sans (often DejaVu Sans) runs 10 to
// 15 % wider and cuts the longer captions.
QFont CaptionFont(int pixelSize);
