#pragma once
// Text measurement as the axis layout needs it: tests pass fixed metrics, the
// widget passes the platform's font metrics.
#include "chart/model/plot_font.h"

#include <string_view>

class TTextMeasure {
public:
    virtual ~TTextMeasure() = default;
    // Width in pixels of one line of Windows-1251 text.
    virtual int TextWidth(const TPlotFont& font, std::string_view text) const = 0;
    virtual int FontHeight(const TPlotFont& font) const = 0;
};

// Number of lines of a text (line breaks are "\n", optionally preceded by "\r").
int TextLineCount(std::string_view text);
// Width of the widest line.
int MultiLineWidth(const TTextMeasure& measure, const TPlotFont& font, std::string_view text);
