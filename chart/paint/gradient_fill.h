#pragma once
// The panel's gradient painted into an image (bands: gradient_bands.h).
#include "chart/model/color.h"
#include "chart/raster/pixel_geometry.h"

#include <QImage>

void FillGradient(QImage& image, const TPixelRect& rect, TWindowsColor start, TWindowsColor end);
