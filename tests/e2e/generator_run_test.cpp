// The road without a data file: the generator fills the data pane, a spectrum
// run and an autocorrelation with every box at its layout default follow, and
// both exports are compared with tables computed here from the pane's lines.
// The locale's decimal separator is a comma, as on a Russian desktop.
#include "e2e_support.h"
#include "reference_dsp.h"
#include "reference_text.h"

#include "numbers/locale_separators.h"

#include <QCheckBox>

TEST_F(EndToEnd, GeneratorThenSpectrumAndAutocorrelationWithDefaults)
{
    SetLocaleSeparators(',', ' ');
    form_->NGen->trigger();
    ASSERT_EQ(form_->RichEdit1->LineCount(), 2000);
    std::vector<double> values;
    for (int i = 0; i < 2000; ++i) {
        const std::string line = form_->RichEdit1->Line(i);
        ASSERT_NE(line.find(','), std::string::npos) << line; // written with the locale's comma
        double v = 0;
        ASSERT_TRUE(reference::ParseSample(line, v)) << line;
        values.push_back(v);
    }

    // Every box as the layout starts it: 32 harmonics, scale 100, rate 1,
    // zero harmonic removed, autocorrelation start 0 and width 100.
    EXPECT_EQ(form_->EditKmax->text(), "32");
    EXPECT_EQ(form_->EditADC->text(), "100");
    EXPECT_EQ(form_->EditScaleX->text(), "1");
    EXPECT_TRUE(form_->CheckBoxH0->isChecked());
    form_->ButtonDataRefresh->click();
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    EXPECT_EQ(form_->PanelText(0), Cp("Количество данных: 2000"));

    const reference::Samples samples = reference::MeanOf(values);
    const std::vector<int32_t> codes = reference::DataCodes(samples, 100, true);
    EXPECT_EQ(Ints(*form_->Series2), codes);
    const std::vector<reference::Harmonic> spectrum = reference::Spectrum(codes, 100, 32);
    std::vector<reference::SpectrumRow> rows;
    ASSERT_EQ(form_->Series1->PointCount(), 32);
    for (int k = 0; k < 32; ++k) {
        EXPECT_EQ(form_->Series1->YValueAt(k), spectrum[size_t(k)].amplitude) << "harmonic " << k;
        rows.push_back({k, reference::Frequency(k, 1.0, 2000), spectrum[size_t(k)].amplitude});
    }
    // The sine of period 40 pi (about 125.7 samples) puts most of its energy
    // near harmonic 2000 / 125.7 = 15.9.
    int peak = 11;
    for (int k = 12; k < 32; ++k)
        if (spectrum[size_t(k)].amplitude > spectrum[size_t(peak)].amplitude)
            peak = k;
    EXPECT_EQ(peak, 16);
    EXPECT_EQ(form_->Series1->LabelAt(16), "0,01"); // 16 / 2000 cycles per sample

    form_->ButtonStartAutoKor->click();
    EXPECT_EQ(form_->PanelText(2), "");
    ASSERT_EQ(form_->Series3->PointCount(), 1901);
    EXPECT_EQ(form_->Series3->YValueAt(0), 100);
    const std::vector<int32_t> window(codes.begin(), codes.begin() + 100);
    const std::vector<int32_t> curve =
        reference::SlidingPearson(codes, window, reference::RoundedMean(window.data(), 100));
    EXPECT_EQ(Ints(*form_->Series3), curve);

    form_->NSpectr->trigger();
    form_->NKorr->trigger();
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    EXPECT_EQ(reference::FileBytes(PathIn("export_spectr.dat")), reference::SpectrumFile(rows, ','));
    // 2000 rows: rows 0 .. 1900 a code and a correlation, the rest a code only,
    // the pattern cell empty throughout.
    const std::string korr = reference::FileBytes(PathIn("export_korr.dat"));
    EXPECT_EQ(korr, reference::CorrelationFile(codes, curve, {}));
    EXPECT_EQ(std::count(korr.begin(), korr.end(), '\n'), 2001);
}
