#pragma once
// Text measured at the device scale: the font's pixel size grows with the
// ratio, so widths and heights come from the font as it is drawn, not from a
// logical measure multiplied (hinting makes those differ).
#include "chart/layout/device_scale.h"
#include "chart/layout/text_measure.h"

TPlotFont ScaledFont(const TPlotFont& font, const TDeviceScale& device);

class TScaledMeasure : public TTextMeasure {
public:
    TScaledMeasure(const TTextMeasure& measure, const TDeviceScale& device)
            : measure_(measure), device_(device)
    {
    }
    int TextWidth(const TPlotFont& font, std::string_view text) const override;
    int FontHeight(const TPlotFont& font) const override;

private:
    const TTextMeasure& measure_;
    TDeviceScale device_;
};
