#pragma once
// The panel's top-to-bottom gradient: at most 256 horizontal bands, the
// bottom band in the start colour and the top one in the end colour.
#include "chart/color.h"
#include "chart/pixel_geometry.h"

#include <QImage>

// a * b / c rounded to nearest, halves away from zero, in 64 bits; -1 for c = 0
// (the Windows MulDiv contract).
int MulDiv(int a, int b, int c);

// Colour of band k of n (0 at the bottom).
TColor GradientBandColor(TColor start, TColor end, int k, int n);

void FillGradient(QImage& image, const TPixelRect& rect, TColor start, TColor end);
