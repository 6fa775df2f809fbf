#include "chart/layout/scaled_measure.h"

TPlotFont ScaledFont(const TPlotFont& font, const TDeviceScale& device)
{
    TPlotFont scaled = font;
    scaled.PixelSize = device.Of(font.PixelSize);
    return scaled;
}

int TScaledMeasure::TextWidth(const TPlotFont& font, std::string_view text) const
{
    return measure_.TextWidth(ScaledFont(font, device_), text);
}

int TScaledMeasure::FontHeight(const TPlotFont& font) const
{
    return measure_.FontHeight(ScaledFont(font, device_));
}
