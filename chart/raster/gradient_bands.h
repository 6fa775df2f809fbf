#pragma once
// The arithmetic of the panel's top-to-bottom gradient: at most 256
// horizontal bands, the bottom band in the start colour and the top one in
// the end colour, each channel faded with Windows MulDiv rounding.
#include "chart/model/color.h"

// a * b / c rounded to nearest, halves away from zero, in 64 bits; -1 for c = 0
// (the Windows MulDiv contract).
int MulDiv(int a, int b, int c);

// How many bands a fill of `height` rows has.
int GradientBandCount(int height);

// Colour of band k of n (0 at the bottom).
TWindowsColor GradientBandColor(TWindowsColor start, TWindowsColor end, int k, int n);
