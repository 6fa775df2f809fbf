#include "chart/paint/qt_text_measure.h"

#include "widgets/qt_text.h"

QFont ToQFont(const TPlotFont& font)
{
    QFont f(QString::fromStdString(font.Name));
    f.setPixelSize(std::max(1, font.PixelSize));
    f.setBold(font.Bold);
    return f;
}

const QFontMetrics& TQtTextMeasure::Metrics(const TPlotFont& font) const
{
    auto key = std::make_tuple(font.Name, font.PixelSize, font.Bold);
    auto it = cache_.find(key);
    if (it == cache_.end())
        it = cache_.emplace(key, std::make_unique<QFontMetrics>(ToQFont(font))).first;
    return *it->second;
}

int TQtTextMeasure::TextWidth(const TPlotFont& font, std::string_view text) const
{
    return Metrics(font).horizontalAdvance(FromCp1251(text));
}

int TQtTextMeasure::FontHeight(const TPlotFont& font) const { return Metrics(font).height(); }
