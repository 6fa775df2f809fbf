#include "chart/layout/text_measure.h"

#include <algorithm>

int TextLineCount(std::string_view text) { return 1 + int(std::count(text.begin(), text.end(), '\n')); }

int MultiLineWidth(const TTextMeasure& measure, const TPlotFont& font, std::string_view text)
{
    int widest = 0;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        widest = std::max(widest, measure.TextWidth(font, line));
        if (end == std::string_view::npos)
            return widest;
        start = end + 1;
    }
}
