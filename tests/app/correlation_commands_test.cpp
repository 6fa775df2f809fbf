// Pattern plot and both correlation commands on the real window.
#include "window_run_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// 2000 samples of a noisy slow wave, like the test generator's.
std::string GeneratedData()
{
    std::vector<std::string> lines;
    for (int i = 0; i < 2000; ++i)
        lines.push_back(std::to_string(std::sin(i * 0.05) + 0.3 * std::sin(i * 1.7)));
    return Lines(lines);
}

} // namespace

TEST(PatternPlot, SecondPressParsesOnceAndRequantizes)
{
    auto form = MakeForm();
    PlotPattern(*form, Lines({"1", "4"}), "1");
    EXPECT_FALSE(form->State.PatternDirty);
    form->SetPanelText(2, "kept");
    SetEdit(form->EditADCpat, "-2");
    form->ButtonGraphPat->click();
    EXPECT_EQ(form->PanelText(2), "kept");
    EXPECT_EQ(YValues(*form->Series4), (std::vector<double>{-2, -8}));
    EXPECT_EQ(form->State.PatternMean, -5);
}

TEST(PatternPlot, BadPaneEmptiesTheCurveAndKeepsTheCodes)
{
    auto form = MakeForm();
    RunSpectrum(*form, Lines({"0", "10", "20", "10", "0"}));
    PlotPattern(*form, Lines({"0", "10"}));
    PlotPattern(*form, Lines({"5", "x", "7"}));
    EXPECT_EQ(form->Series4->PointCount(), 0);
    EXPECT_NE(form->PanelText(2), "");
    form->ButtonStartPatKor->click();
    EXPECT_EQ(YValues(*form->Series3), (std::vector<double>{100, 100, -100, -100}));
}

TEST(PatternCorrelation, Refusals)
{
    auto form = MakeForm();
    PlotPattern(*form, Lines({"1", "2"}));
    form->ButtonStartPatKor->click();
    EXPECT_EQ(form->PanelText(2), Cp("Данные не определены"));
    form->ButtonStartAutoKor->click(); // a plotted pattern does not make data
    EXPECT_EQ(form->PanelText(2), Cp("Данные не определены"));

    auto fresh = MakeForm();
    RunSpectrum(*fresh, Lines({"1", "2"}));
    fresh->ButtonStartPatKor->click(); // no pattern yet
    EXPECT_EQ(fresh->PanelText(2), Cp("Данные не определены"));
    fresh->ButtonStartAutoKor->click();
    const int points = fresh->Series3->PointCount();
    PlotPattern(*fresh, Lines({"1", "2"})); // as long as the data
    fresh->ButtonStartPatKor->click();
    EXPECT_EQ(fresh->PanelText(2), Cp("Количество данных меньше образа"));
    EXPECT_EQ(fresh->Series3->PointCount(), points); // the old curve stays
}

TEST(PatternCorrelation, ReadsOnlyTheCodesTheDataCurveShows)
{
    auto form = MakeForm();
    const std::string data = Lines({"0", "10", "20", "10", "0"});
    RunSpectrum(*form, data);
    PlotPattern(*form, Lines({"0", "10"}));
    // A parse alone, as a data file load makes, changes the count but not the codes.
    form->RichEdit1->SetText(Lines({"1", "2", "3", "4", "5", "6", "7"}));
    form->Dispatch([&] { form->ParseDataPane(); });
    EXPECT_EQ(form->DFT->SampleCount, 7);
    form->ButtonStartPatKor->click();
    EXPECT_EQ(YValues(*form->Series3), (std::vector<double>{100, 100, -100, -100}));

    // A run stopped at a bad line shows no codes: both commands refuse until
    // the next run that quantizes.
    form->RichEdit1->SetText(Lines({"1", "bad"}));
    form->ButtonDataRefresh->click();
    EXPECT_FALSE(form->State.DataReady);
    for (QPushButton* command : {form->ButtonStartPatKor, form->ButtonStartAutoKor}) {
        form->SetPanelText(2, "");
        command->click();
        EXPECT_EQ(form->PanelText(2), Cp("Данные не определены"));
        EXPECT_EQ(form->Series3->PointCount(), 0);
    }
    RunSpectrum(*form, data);
    form->ButtonStartPatKor->click();
    EXPECT_EQ(form->Series3->PointCount(), 4);
    EXPECT_TRUE(ShownErrors().empty());
}

// A window past the codes is the rule's (tests/dsp) and the boxes' fall-backs
// are in tests/e2e/bad_input_test.cpp; here the boxes' starting values.
TEST(Autocorrelation, DefaultWindow)
{
    auto form = MakeForm();
    RunSpectrum(*form, GeneratedData(), "100", "2");
    form->ButtonStartAutoKor->click(); // start 0, width 100
    ASSERT_EQ(form->Series3->PointCount(), 1901);
    EXPECT_EQ(form->Series3->YValueAt(0), 100);
    EXPECT_EQ(form->State.AutoWidth, 100);
}

TEST(Autocorrelation, LeavesThePatternStateAlone)
{
    auto form = MakeForm();
    RunSpectrum(*form, Lines({"0", "10", "20", "10", "0", "30"}));
    PlotPattern(*form, Lines({"0", "10"}));
    form->ButtonStartPatKor->click();
    const std::vector<double> before = YValues(*form->Series3);
    SetEdit(form->EditStartPattern, "2");
    SetEdit(form->EditWidthPattern, "3");
    form->ButtonStartAutoKor->click();
    EXPECT_EQ(form->Series3->PointCount(), 4);
    EXPECT_EQ(form->Series3->YValueAt(2), 100);
    EXPECT_EQ(form->State.PatternMean, 5);
    form->ButtonStartPatKor->click();
    EXPECT_EQ(YValues(*form->Series3), before);
}
