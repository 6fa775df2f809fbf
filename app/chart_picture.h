#pragma once
// A chart's picture for a report: drawn as the screen shows it, at the screen's
// device pixel ratio, and kept as a PNG file.
#include <QImage>
#include <QString>

class TPlot;

// The chart as it is now: its size times the device pixel ratio, with a
// resolution that grows with the ratio, so that a report shows it at the size
// it has on the screen.
QImage ChartPicture(TPlot& chart);

// Writes the picture as PNG into path, replacing a previous file only once the
// whole picture is written, so a failure leaves no partial file behind. Raises
// EInOutError "Cannot create file "%s". %s" with the full path and the reason.
void SavePictureFile(const QImage& picture, const QString& path);
