#pragma once
// Text metrics from Qt's font rendering, with the fonts cached.
#include "chart/layout/text_measure.h"

#include <QFont>
#include <QFontMetrics>
#include <map>
#include <memory>
#include <tuple>

QFont ToQFont(const TPlotFont& font);

class TQtTextMeasure : public TTextMeasure {
public:
    int TextWidth(const TPlotFont& font, std::string_view text) const override;
    int FontHeight(const TPlotFont& font) const override;

private:
    const QFontMetrics& Metrics(const TPlotFont& font) const;
    mutable std::map<std::tuple<std::string, int, bool>, std::unique_ptr<QFontMetrics>> cache_;
};
