// A large ADC scale on the window: products of codes and table entries, and
// the correlation's squares, leave the 32-bit range, and the results must
// still be the exact sums (a wrapped sum would give a meaningless spectrum).
#include "e2e_support.h"
#include "reference_dsp.h"

#include <cmath>

TEST_F(EndToEnd, LargeScaleSpectrumAndCorrelationUseExactSums)
{
    constexpr int n = 64;
    std::vector<std::string> lines;
    std::vector<double> values;
    for (int i = 0; i < n; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%.4f", 1.5 * std::sin(2 * M_PI * 3 * i / n) + 0.25);
        lines.push_back(text);
        double v = 0;
        ASSERT_TRUE(reference::ParseSample(text, v));
        values.push_back(v);
    }
    // Codes up to 175000 and entries up to 100000: each product near 2^34.
    RunSpectrum(*form_, Lines(lines), "100000", "8");
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    const std::vector<int32_t> codes = reference::DataCodes(reference::MeanOf(values), 100000, true);
    const std::vector<reference::Harmonic> spectrum = reference::Spectrum(codes, 100000, 8);
    ASSERT_EQ(form_->Series1->PointCount(), 8);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(form_->Series1->YValueAt(k), spectrum[size_t(k)].amplitude) << "harmonic " << k;
    EXPECT_NEAR(form_->Series1->YValueAt(3), 1.5 * n / 2, 0.01);
    EXPECT_LT(form_->Series1->YValueAt(0), 0.01);

    // Squares of deviations near 2^35 per term.
    SetEdit(form_->EditStartPattern, "5");
    SetEdit(form_->EditWidthPattern, "30");
    form_->ButtonStartAutoKor->click();
    const std::vector<int32_t> window(codes.begin() + 5, codes.begin() + 35);
    const std::vector<int32_t> curve =
        reference::SlidingPearson(codes, window, reference::RoundedMean(window.data(), 30));
    ASSERT_EQ(form_->Series3->PointCount(), int(curve.size()));
    for (size_t j = 0; j < curve.size(); ++j)
        EXPECT_EQ(form_->Series3->YValueAt(int(j)), curve[j]) << "offset " << j;
    EXPECT_EQ(curve[5], 100);
}
