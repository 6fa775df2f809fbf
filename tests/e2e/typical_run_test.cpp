// The road of a typical run on the real window: a data file with a header is
// loaded, the spectrum run, a pattern plot, both correlations, read-outs by
// mouse clicks on the curves, curve toggles, zoom and undo, and both exports,
// whose bytes are compared with tables computed here from the file's samples
// and with the fingerprints of the bytes the program wrote when this road was
// first recorded.
#include "e2e_support.h"
#include "reference_dsp.h"
#include "reference_text.h"

#include "chart/interaction/clicked_part.h"
#include "widgets/clipboard.h"

#include <QCheckBox>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamples = 240;
constexpr int kAdc = 100;
constexpr int kHarmonics = 32;
constexpr double kRate = 500;

// A tone in harmonic 10, a weaker one in harmonic 24 and an offset, written
// with three decimals the way an acquisition tool does; some lines use a
// comma or carry the trailing tab the format allows.
std::vector<std::string> SampleLines()
{
    std::vector<std::string> lines;
    for (int i = 0; i < kSamples; ++i) {
        const double v =
            1.5 * std::sin(2 * M_PI * 10 * i / kSamples) + 0.4 * std::cos(2 * M_PI * 24 * i / kSamples) + 0.3;
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", v);
        std::string line = text;
        if (i % 7 == 3)
            line[line.find('.')] = ',';
        if (i % 11 == 5)
            line += "\t";
        lines.push_back(line);
    }
    return lines;
}

std::string DataFile(const std::vector<std::string>& lines)
{
    std::string file =
        "Sampex 2.1 acquisition\r\nChannel:\t1\r\nStream rate (Hz): 500\tgain 1\r\n*******\r\n";
    for (const std::string& line : lines)
        file += line + "\r\n";
    return file;
}

std::vector<double> Values(const std::vector<std::string>& lines)
{
    std::vector<double> values;
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\t')
            line.pop_back();
        double v = 0;
        EXPECT_TRUE(reference::ParseSample(line, v)) << line;
        values.push_back(v);
    }
    return values;
}

// FNV-1a over 64 bits: any changed, added or lost byte changes it.
uint64_t Fingerprint(const std::string& bytes)
{
    uint64_t hash = 0xcbf29ce484222325u;
    for (const unsigned char c : bytes)
        hash = (hash ^ c) * 0x100000001b3u;
    return hash;
}

bool Shown(TLineSeries& s) { return s.LinePen().Style() == psSolid && s.Pointer().Visible(); }

// The first index from `from` on whose point a press reaches this series
// itself (curves tested earlier, drawn above it, may cover a point).
int ClickableIndex(TPlot* chart, TSeries& series, int from, int to)
{
    chart->RenderNow();
    for (int i = from; i < to; ++i) {
        const QPoint p = PixelOf(chart, series, i);
        const TClickedPart part = FindClickedPart(*chart, chart->Frame(), p.x(), p.y());
        if (part.Part == TPlotPart::Series && chart->SeriesAt(part.SeriesIndex) == &series &&
            part.ValueIndex == i)
            return i;
    }
    ADD_FAILURE() << "no point of the series is clear of the curves above it";
    return from;
}

// The first pixel of the column, from y0 toward y1, where a press reaches no
// clickable curve (the spectrum area has no click handler and zooms).
QPoint PressablePixel(TPlot* chart, int x, int y0, int y1)
{
    chart->RenderNow();
    const int step = y1 > y0 ? 1 : -1;
    for (int y = y0; y != y1; y += step) {
        const TClickedPart part = FindClickedPart(*chart, chart->Frame(), x, y);
        if (part.Part == TPlotPart::Background ||
            (part.Part == TPlotPart::Series && !chart->SeriesAt(part.SeriesIndex)->OnClick))
            return {x, y};
    }
    ADD_FAILURE() << "no free pixel in column " << x;
    return {x, y0};
}

} // namespace

TEST_F(EndToEnd, TypicalRunFromDataFileToBothExports)
{
    const std::vector<std::string> lines = SampleLines();
    AnswerDialogWith(DataFile(lines));

    // 1. Load: rate from the header through the clipboard, header removed, parsed.
    LoadDataFile();
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    EXPECT_EQ(form_->EditScaleX->text(), "500");
    EXPECT_EQ(ClipboardText(), "500");
    EXPECT_EQ(form_->RichEdit1->LineCount(), kSamples);
    EXPECT_EQ(form_->RichEdit1->Line(0), lines[0]);
    const reference::Samples samples = reference::MeanOf(Values(lines));
    EXPECT_EQ(form_->PanelText(0), Cp("Количество данных: ") + std::to_string(kSamples));
    EXPECT_EQ(form_->PanelText(2), "");
    EXPECT_DOUBLE_EQ(form_->DFT->DataMean, samples.mean);

    // 2. Spectrum run with the zero harmonic removed (the box starts checked).
    SetEdit(form_->EditADC, "100");
    SetEdit(form_->EditKmax, "32");
    ASSERT_TRUE(form_->CheckBoxH0->isChecked());
    form_->ButtonDataRefresh->click();
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    const std::vector<int32_t> codes = reference::DataCodes(samples, kAdc, true);
    EXPECT_EQ(Ints(*form_->Series2), codes);
    const std::vector<reference::Harmonic> spectrum = reference::Spectrum(codes, kAdc, kHarmonics);
    ASSERT_EQ(form_->Series1->PointCount(), kHarmonics);
    std::vector<reference::SpectrumRow> rows;
    for (int k = 0; k < kHarmonics; ++k) {
        EXPECT_EQ(form_->Series1->YValueAt(k), spectrum[size_t(k)].amplitude) << "harmonic " << k;
        rows.push_back({k, reference::Frequency(k, kRate, kSamples), spectrum[size_t(k)].amplitude});
    }
    // The tones stand out: harmonic 10 carries 1.5 x N / 2, harmonic 24 0.4 x N / 2.
    EXPECT_NEAR(form_->Series1->YValueAt(10), 1.5 * kSamples / 2, 1.0);
    EXPECT_NEAR(form_->Series1->YValueAt(24), 0.4 * kSamples / 2, 1.0);
    EXPECT_LT(form_->Series1->YValueAt(0), 1.0);
    EXPECT_EQ(form_->Series1->LabelAt(24), "50.00"); // 24 x 500 / 240 Hz
    const std::string times = form_->PanelText(3);
    EXPECT_EQ(std::count(times.begin(), times.end(), ' '), 6) << times;

    // 3. A pattern pasted into the pattern pane: one period of harmonic 10 taken from the data.
    std::string patternText;
    std::vector<double> patternValues;
    for (int i = 48; i < 72; ++i) {
        patternText += lines[size_t(i)] + "\r\n";
        patternValues.push_back(samples.values[size_t(i)]);
    }
    SetClipboardText(patternText);
    form_->RichEdit2->FocusPane();
    form_->RichEdit2->Paste();
    SetEdit(form_->EditADCpat, "100");
    form_->ButtonGraphPat->click();
    const std::vector<int32_t> patternCodes = reference::PatternCodes(patternValues, kAdc);
    EXPECT_EQ(Ints(*form_->Series4), patternCodes);
    const int32_t patternMean = reference::RoundedMean(patternCodes.data(), int64_t(patternCodes.size()));
    EXPECT_EQ(form_->State.PatternMean, patternMean);

    // 4. A click on a data point reads it out in panel 2 and as the chart's hint.
    form_->SetPanelText(2, Cp("Данные: ошибка в строке 1 в позиции 0"));
    const int clicked = ClickableIndex(form_->ChartF, *form_->Series2, 150, kSamples);
    ClickPoint(form_->ChartF, *form_->Series2, clicked);
    const std::string dataReadOut =
        "X: " + std::to_string(clicked) + "  Y:" + std::to_string(codes[size_t(clicked)]);
    EXPECT_EQ(form_->PanelText(2), dataReadOut);
    EXPECT_EQ(form_->ChartF->toolTip(), QString::fromStdString(dataReadOut));

    // 5. The pattern correlation.
    form_->ButtonStartPatKor->click();
    EXPECT_EQ(form_->PanelText(2), "");
    const std::vector<int32_t> patternCurve = reference::SlidingPearson(codes, patternCodes, patternMean);
    ASSERT_EQ(patternCurve.size(), size_t(kSamples - 24 + 1));
    EXPECT_EQ(Ints(*form_->Series3), patternCurve);
    // The pattern is one period of the strongest tone: it matches itself at 48.
    EXPECT_GE(patternCurve[48], 90);

    form_->NKorr->trigger();
    const std::string patternExport = reference::FileBytes(PathIn("export_korr.dat"));
    EXPECT_EQ(patternExport, reference::CorrelationFile(codes, patternCurve, patternCodes));
    EXPECT_EQ(patternExport.size(), 2299u);
    EXPECT_EQ(Fingerprint(patternExport), 0xe4a21f4235beee8bu);

    // 6. The autocorrelation of a window of the data replaces the curve.
    SetEdit(form_->EditStartPattern, "30");
    SetEdit(form_->EditWidthPattern, "40");
    form_->ButtonStartAutoKor->click();
    const std::vector<int32_t> window(codes.begin() + 30, codes.begin() + 70);
    const std::vector<int32_t> autoCurve =
        reference::SlidingPearson(codes, window, reference::RoundedMean(window.data(), 40));
    ASSERT_EQ(autoCurve.size(), size_t(kSamples - 40 + 1));
    EXPECT_EQ(Ints(*form_->Series3), autoCurve);
    EXPECT_EQ(form_->Series3->YValueAt(30), 100);
    ASSERT_EQ(ClickableIndex(form_->ChartF, *form_->Series3, 30, 31), 30);
    ClickPoint(form_->ChartF, *form_->Series3, 30);
    EXPECT_EQ(form_->PanelText(2), "X: 30  Y:100");

    // 7. Toggling curves hides them without losing points; a hidden curve still answers clicks.
    form_->CheckBoxViewF->setChecked(false);
    form_->CheckBoxViewPat->setChecked(false);
    EXPECT_FALSE(Shown(*form_->Series2));
    EXPECT_FALSE(Shown(*form_->Series4));
    EXPECT_TRUE(Shown(*form_->Series3));
    const int hidden = ClickableIndex(form_->ChartF, *form_->Series2, 200, kSamples);
    ClickPoint(form_->ChartF, *form_->Series2, hidden);
    EXPECT_EQ(form_->PanelText(2),
              "X: " + std::to_string(hidden) + "  Y:" + std::to_string(codes[size_t(hidden)]));

    // 8. Both exports write what the charts hold, hidden curves included.
    form_->NSpectr->trigger();
    form_->NKorr->trigger();
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    const std::string spectrumExport = reference::FileBytes(PathIn("export_spectr.dat"));
    const std::string correlationExport = reference::FileBytes(PathIn("export_korr.dat"));
    EXPECT_EQ(spectrumExport, reference::SpectrumFile(rows, '.'));
    EXPECT_EQ(correlationExport, reference::CorrelationFile(codes, autoCurve, patternCodes));
    EXPECT_EQ(spectrumExport.size(), 465u);
    EXPECT_EQ(Fingerprint(spectrumExport), 0xdfa9b7a750bf90c2u);
    EXPECT_EQ(correlationExport.size(), 2255u);
    EXPECT_EQ(Fingerprint(correlationExport), 0x4c2007df358c3e42u);
    form_->CheckBoxViewF->setChecked(true);
    form_->CheckBoxViewPat->setChecked(true);
    EXPECT_TRUE(Shown(*form_->Series2) && Shown(*form_->Series4));
}

// The rules of the gestures are the chart's (tests/chart/interaction_test.cpp);
// here they reach both charts of the real window through real mouse events.
TEST_F(EndToEnd, ZoomAndPanByDragAndUndoByReverseDrag)
{
    AnswerDialogWith(DataFile(SampleLines()));
    LoadDataFile();
    form_->ButtonDataRefresh->click();
    ASSERT_TRUE(ShownErrors().empty());

    for (TPlot* chart : {form_->ChartF, form_->ChartSpectr}) {
        SCOPED_TRACE(chart == form_->ChartF ? "data chart" : "spectrum chart");
        chart->RenderNow();
        TAxis& bottom = chart->BottomAxis();
        ASSERT_TRUE(bottom.Automatic());
        const double min = bottom.Minimum(), max = bottom.Maximum();
        const TPixelRect plot = chart->Frame().PlotRect;
        const int width = plot.Right - plot.Left, height = plot.Bottom - plot.Top;
        // A press on the data curve reads a point out instead of zooming, so
        // the drag starts beside the curves.
        const QPoint a = PressablePixel(chart, plot.Left + width / 4, plot.Top + 4, plot.Top + height / 3);
        LeftDrag(chart, a, QPoint(plot.Left + width / 2, plot.Bottom - height / 4));
        EXPECT_FALSE(bottom.Automatic());
        EXPECT_FALSE(chart->LeftAxis().Automatic());
        EXPECT_GT(bottom.Minimum(), min);
        EXPECT_LT(bottom.Maximum() - bottom.Minimum(), (max - min) / 2);

        // A new run is shown in the zoomed view until the undo.
        const double zoomedMin = bottom.Minimum();
        form_->ButtonDataRefresh->click();
        chart->RenderNow();
        EXPECT_EQ(bottom.Minimum(), zoomedMin);

        // Dragged up and left: back to the automatic view saved before the zoom.
        const QPoint c =
            PressablePixel(chart, plot.Left + width / 2, plot.Bottom - 4, plot.Bottom - height / 3);
        LeftDrag(chart, c, c - QPoint(60, 60));
        EXPECT_TRUE(bottom.Automatic());
        EXPECT_TRUE(chart->LeftAxis().Automatic());
        chart->RenderNow();
        EXPECT_DOUBLE_EQ(bottom.Minimum(), min);
        EXPECT_DOUBLE_EQ(bottom.Maximum(), max);
    }

    // The right button pans the data chart: the content follows the mouse to
    // the right, so the view shows smaller x at the same width.
    TPlot* chart = form_->ChartF;
    TAxis& bottom = chart->BottomAxis();
    const double min = bottom.Minimum(), max = bottom.Maximum();
    const TPixelRect plot = chart->Frame().PlotRect;
    const QPoint from = PressablePixel(chart, (plot.Left + plot.Right) / 2, plot.Top + 4, plot.Bottom - 4);
    QTest::mousePress(chart, Qt::RightButton, Qt::NoModifier, from);
    QTest::mouseMove(chart, from + QPoint(80, 0));
    QTest::mouseRelease(chart, Qt::RightButton, Qt::NoModifier, from + QPoint(80, 0));
    EXPECT_FALSE(bottom.Automatic());
    EXPECT_LT(bottom.Minimum(), min);
    EXPECT_NEAR(bottom.Maximum() - bottom.Minimum(), max - min, 1e-6 * (max - min));
    EXPECT_FALSE(chart->PanRecord.Active);
    EXPECT_EQ(chart->PictureMenu(), nullptr) << "a drag opens no picture menu";
    const QPoint c = PressablePixel(chart, (plot.Left + plot.Right) / 2, plot.Bottom - 4, plot.Top + 4);
    LeftDrag(chart, c, c - QPoint(40, 40));
    EXPECT_TRUE(bottom.Automatic());
    chart->RenderNow();
    EXPECT_DOUBLE_EQ(bottom.Minimum(), min);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), max);
}
