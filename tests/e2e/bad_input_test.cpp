// Bad input wherever a user can give it, each with a clear outcome and the
// program still running: edit boxes (empty, huge, non-numeric), sample panes
// that do not parse, binary and NUL-carrying files chosen in the dialog, a
// million lines pasted into the pattern pane, codes too wide for 32 bits and
// a run stopped at a bad line. A file that cannot be opened and a harmonic
// count the memory cannot hold are the window tests' (tests/app).
#include "e2e_support.h"
#include "reference_dsp.h"
#include "reference_text.h"

#include "widgets/clipboard.h"

#include <QCheckBox>

namespace {

// Twelve samples whose codes are known in advance with scale 1 or 100.
const std::vector<std::string> kSamples = {"1.25", "-0.5", "3",  "2.75", "0",   "-1.5",
                                           "4",    "0.25", "-2", "1",    "0.5", "-3.25"};

std::vector<double> SampleValues()
{
    std::vector<double> values;
    for (const std::string& s : kSamples) {
        double v = 0;
        EXPECT_TRUE(reference::ParseSample(s, v));
        values.push_back(v);
    }
    return values;
}

const std::string kHuge = "99999999999999999999";  // beyond 64 bits
const std::string kLong = std::string(30000, '7'); // a pasted wall of digits

} // namespace

TEST_F(EndToEnd, HarmonicCountAndScaleFallBackWithoutAMessage)
{
    const struct {
        std::string kmax;
        int points;
    } kmaxCases[] = {{"", 32},    {"abc", 32}, {"0", 32}, {"-5", 32}, {kHuge, 32},
                     {kLong, 32}, {"7x", 32},  {"7", 7},  {"20", 20}}; // more than the 12 samples is honoured
    for (const auto& c : kmaxCases) {
        SCOPED_TRACE("EditKmax '" + c.kmax.substr(0, 24) + "'");
        RunSpectrum(*form_, Lines(kSamples), "100", c.kmax.c_str());
        EXPECT_EQ(form_->Series1->PointCount(), c.points);
        EXPECT_EQ(form_->EditKmax->text().toStdString(), c.kmax) << "the box keeps the typed text";
    }
    // A scale that does not convert is 1: the codes are the samples less their mean, rounded.
    const reference::Samples samples = reference::MeanOf(SampleValues());
    for (const std::string& adc : {std::string(), std::string("x1"), kHuge, kLong}) {
        SCOPED_TRACE("EditADC '" + adc.substr(0, 24) + "'");
        RunSpectrum(*form_, Lines(kSamples), adc.c_str(), "4");
        EXPECT_EQ(form_->DFT->AdcScale, 1);
        EXPECT_EQ(Ints(*form_->Series2), reference::DataCodes(samples, 1, true));
        EXPECT_EQ(form_->Series1->PointCount(), 4);
    }
    // A rate is read as a sample is; one that is no number is 1 (cycles per
    // sample, k / 12 here), and the box keeps the typed text.
    // Which texts convert is the reader's (tests/input, SampleRateFromText).
    const struct {
        const char* rate;
        const char* labels[4];
    } rates[] = {
        {"", {"0.00", "0.08", "0.17", "0.25"}},
        {"abc", {"0.00", "0.08", "0.17", "0.25"}},
        {"1,5", {"0.00", "0.13", "0.25", "0.38"}},
        {"24.", {"0.00", "2.00", "4.00", "6.00"}},
    };
    for (const auto& r : rates) {
        SCOPED_TRACE(std::string("EditScaleX '") + r.rate + "'");
        SetEdit(form_->EditScaleX, r.rate);
        RunSpectrum(*form_, Lines(kSamples), "100", "4");
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(form_->Series1->LabelAt(k), r.labels[k]) << "harmonic " << k;
        EXPECT_EQ(form_->EditScaleX->text().toStdString(), r.rate);
    }
    EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(EndToEnd, CorrelationAndAxisBoxesFallBackWithoutAMessage)
{
    RunSpectrum(*form_, Lines(kSamples), "100", "4");
    const std::vector<int32_t> codes = Ints(*form_->Series2);
    // Start and width that do not convert are 0 and 1; a window that does
    // not fit is start 0 and width 1 (every offset then gives 0). Which
    // windows fit, up to the 32-bit limits, is the rule's (tests/dsp).
    const struct {
        std::string start, width;
        int usedStart, usedWidth;
    } cases[] = {
        {"", "", 0, 1},     {"a", "b", 0, 1},  {kHuge, "4", 0, 4},
        {"3", kHuge, 3, 1}, {"11", "2", 0, 1}, {"8", "4", 8, 4}, // the window ending on the last code fits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("start '" + c.start + "' width '" + c.width + "'");
        form_->Series3->AddPoint(0, 55); // a stale point must go
        SetEdit(form_->EditStartPattern, c.start.c_str());
        SetEdit(form_->EditWidthPattern, c.width.c_str());
        form_->ButtonStartAutoKor->click();
        const std::vector<int32_t> window(codes.begin() + c.usedStart,
                                          codes.begin() + c.usedStart + c.usedWidth);
        const std::vector<int32_t> expected =
            reference::SlidingPearson(codes, window, reference::RoundedMean(window.data(), c.usedWidth));
        EXPECT_EQ(Ints(*form_->Series3), expected);
        EXPECT_EQ(form_->State.AutoStart, c.usedStart);
        EXPECT_EQ(form_->State.AutoWidth, c.usedWidth);
        EXPECT_EQ(form_->EditStartPattern->text().toStdString(), c.start) << "the box keeps the typed text";
    }

    // A pattern scale that does not convert is 1.
    for (const std::string& adc : {std::string(), std::string("abc"), kHuge}) {
        PlotPattern(*form_, Lines({"1.5", "-2", "7"}), adc.c_str());
        EXPECT_EQ(Ints(*form_->Series4), (std::vector<int32_t>{2, -2, 7}));
    }

    // A fixed maximum that does not convert leaves the axis manual at its last limits.
    form_->CheckBoxAutoX->setChecked(false);
    form_->ChartF->RenderNow();
    const double max = form_->ChartF->BottomAxis().Maximum();
    for (const std::string& text : {std::string(), std::string("x"), kHuge}) {
        SetEdit(form_->EditMaxX, text.c_str());
        form_->ButtonXAxis->click();
        EXPECT_FALSE(form_->ChartF->BottomAxis().Automatic());
        EXPECT_EQ(form_->ChartF->BottomAxis().Maximum(), max);
    }
    EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(EndToEnd, BinaryFileChosenInTheDialogIsABadFirstLine)
{
    AnswerDialogWith(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0\xff\xfe", 22));
    LoadDataFile();
    EXPECT_TRUE(ShownErrors().empty());
    EXPECT_EQ(form_->EditScaleX->text(), "1");
    EXPECT_EQ(form_->PanelText(0), Cp("Количество данных: 1"));
    EXPECT_EQ(form_->PanelText(2), Cp("Данные: ошибка в строке 1 в позиции 1"));
    form_->ButtonDataRefresh->click();
    EXPECT_EQ(form_->Series2->PointCount(), 0);
    EXPECT_EQ(form_->Series1->PointCount(), 0);
    EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(EndToEnd, NulByteStopsTheParseAtItsLineAndStaysInThePane)
{
    AnswerDialogWith(std::string("Rate (Hz): 20\t\r\n*******\r\n1.5\r\n2.5\r\n3\0.5\r\n4\r\n", 44));
    LoadDataFile();
    EXPECT_TRUE(ShownErrors().empty());
    EXPECT_EQ(form_->EditScaleX->text(), "20");
    ASSERT_EQ(form_->RichEdit1->LineCount(), 4);
    EXPECT_EQ(form_->RichEdit1->Line(2), std::string("3\0.5", 4));
    EXPECT_EQ(form_->PanelText(0), Cp("Количество данных: 2"));
    EXPECT_EQ(form_->PanelText(2), Cp("Данные: ошибка в строке 3 в позиции 2"));
    EXPECT_EQ(form_->RichEdit1->SelText(), std::string(1, '\0'));
    EXPECT_TRUE(form_->State.DataDirty);
}

TEST_F(EndToEnd, MillionLinePatternPasteIsPlottedAndRefusedByTheCorrelation)
{
    RunSpectrum(*form_, Lines(kSamples), "100", "4");
    constexpr int kLines = 1000000;
    std::string text;
    text.reserve(kLines * 6);
    std::vector<int32_t> codes;
    codes.reserve(kLines);
    for (int i = 0; i < kLines; ++i) {
        const int tenths = i % 13 - 6; // -0.6 .. 0.6
        text += (tenths < 0 ? "-0." : "0.") + std::to_string(std::abs(tenths)) + "\r\n";
        codes.push_back(tenths * 10);
    }
    SetClipboardText(text);
    form_->RichEdit2->FocusPane();
    form_->RichEdit2->Paste();
    ASSERT_EQ(form_->RichEdit2->LineCount(), kLines);
    SetEdit(form_->EditADCpat, "100");
    form_->ButtonGraphPat->click();
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    ASSERT_EQ(form_->Series4->PointCount(), kLines);
    EXPECT_EQ(Ints(*form_->Series4), codes);
    EXPECT_EQ(form_->State.PatternMean, reference::RoundedMean(codes.data(), kLines));

    form_->Series3->AddPoint(0, 42);
    form_->ButtonStartPatKor->click();
    EXPECT_EQ(form_->PanelText(2), Cp("Количество данных меньше образа"));
    EXPECT_EQ(form_->Series3->PointCount(), 1) << "a refused command keeps the curve";
}

TEST_F(EndToEnd, CodesBeyondThirtyTwoBitsEndTheRunWithAnOverflow)
{
    form_->CheckBoxH0->setChecked(false);
    RunSpectrum(*form_, Lines(kSamples), "100", "4");
    ASSERT_EQ(form_->Series1->PointCount(), 4);
    // The largest scale with samples near 3, and a sample 3e7 with scale 100
    // (code 3,000,000,000): the codes before the first that does not fit stay
    // on the curve, nothing wrapped is plotted, and no correlation runs on them.
    const struct {
        const char* adc;
        std::vector<std::string> lines;
        std::vector<int32_t> codes;
    } cases[] = {
        {"2147483647", {"1", "-3", "2"}, {2147483647}},
        {"100", {"1.5", "-2", "3e7", "4"}, {150, -200}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("ADC ") + c.adc);
        ClearShownErrors();
        RunSpectrum(*form_, Lines(c.lines), c.adc, "4");
        ASSERT_EQ(ShownErrors().size(), 1u);
        EXPECT_EQ(ShownErrors()[0].text, "Floating point overflow.");
        EXPECT_EQ(Ints(*form_->Series2), c.codes);
        EXPECT_EQ(form_->Series1->PointCount(), 0);
        form_->ButtonStartAutoKor->click();
        EXPECT_EQ(form_->PanelText(2), Cp("Данные не определены"));
    }
    // The pattern likewise: the codes before the wide one, the earlier pattern kept.
    ClearShownErrors();
    PlotPattern(*form_, Lines({"0.5", "1"}), "100");
    PlotPattern(*form_, Lines({"1", "3e7", "2"}), "100");
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text, "Floating point overflow.");
    EXPECT_EQ(Ints(*form_->Series4), std::vector<int32_t>{100});
    EXPECT_EQ(form_->State.PatternMean, 75);
    form_->NKorr->trigger();
    EXPECT_EQ(reference::FileBytes(PathIn("export_korr.dat")),
              reference::CorrelationFile({150, -200}, {}, {100}));
}

TEST_F(EndToEnd, RunStoppedAtABadLineLeavesNothingToCorrelate)
{
    RunSpectrum(*form_, Lines(kSamples), "100", "4");
    PlotPattern(*form_, Lines({"1", "-0.5", "2"}), "100");
    form_->ButtonStartPatKor->click();
    ASSERT_EQ(form_->Series3->PointCount(), 10);

    RunSpectrum(*form_, Lines({"1", "2", "three"}), "100", "4");
    EXPECT_EQ(form_->PanelText(0), Cp("Количество данных: 2"));
    EXPECT_EQ(form_->PanelText(2), Cp("Данные: ошибка в строке 3 в позиции 1"));
    EXPECT_EQ(form_->RichEdit1->SelText(), "t");
    EXPECT_EQ(form_->Series1->PointCount(), 0);
    for (QPushButton* command : {form_->ButtonStartPatKor, form_->ButtonStartAutoKor}) {
        command->click();
        EXPECT_EQ(form_->PanelText(2), Cp("Данные не определены"));
    }
    // The export holds what the charts show: the pattern only.
    form_->NKorr->trigger();
    EXPECT_EQ(reference::FileBytes(PathIn("export_korr.dat")),
              reference::CorrelationFile({}, {}, {100, -50, 200}));
    // A pattern line that does not parse is shown the same way and empties its curve.
    PlotPattern(*form_, Lines({"0.5", "1e", "2"}));
    EXPECT_EQ(form_->PanelText(2), Cp("Образ: ошибка в строке 2 в позиции 3"));
    EXPECT_EQ(form_->Series4->PointCount(), 0);
    EXPECT_TRUE(ShownErrors().empty());
}
