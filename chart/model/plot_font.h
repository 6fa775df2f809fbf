#pragma once
// A text font of the chart.
#include "chart/model/color.h"

#include <string>

// Fonts are named as installed on this platform ("Liberation Sans" stands in
// for "Arial"); sizes are pixel heights.
struct TPlotFont {
    std::string Name = "Liberation Sans";
    int PixelSize = 11;
    bool Bold = false;
    TWindowsColor Color = Colors::Black;
};
