// The spectrum run and the X axis switch on the real window.
#include "window_run_support.h"

#include "chart/paint/plot.h"
#include "numbers/locale_separators.h"

#include <QCheckBox>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

const std::string kFourSamples = Lines({"0.5", "1.25", "-0.75", "2"});

} // namespace

TEST(SpectrumRun, FillsTheCurvesLabelsAndPanels)
{
    auto form = MakeForm();
    form->CheckBoxH0->setChecked(false);
    SetEdit(form->EditScaleX, "1000");
    RunSpectrum(*form, kFourSamples, "100", "3");
    EXPECT_TRUE(ShownErrors().empty());
    EXPECT_EQ(YValues(*form->Series2), (std::vector<double>{50, 125, -75, 200}));
    EXPECT_EQ(XValues(*form->Series2), (std::vector<double>{0, 1, 2, 3}));
    ASSERT_EQ(form->Series1->PointCount(), 3);
    EXPECT_EQ(XValues(*form->Series1), (std::vector<double>{0, 1, 2}));
    EXPECT_DOUBLE_EQ(form->Series1->YValueAt(0), 3.0); // |sum of codes| / A
    EXPECT_EQ(form->Series1->LabelAt(2), "500.00");    // 2 x 1000 / 4 Hz
    EXPECT_THAT(form->PanelText(3), testing::MatchesRegex("[0-9]+   [0-9]+   [0-9]+")) << form->PanelText(3);
    EXPECT_EQ(form->PanelText(1), MeanPanel(0.75, 100));
    EXPECT_TRUE(form->State.DataReady);
    EXPECT_EQ(form->State.QuantizedCount, 4);
    EXPECT_EQ(form->State.SampleRate, 1000.0);
    EXPECT_EQ(form->DFT->HarmonicCount, 3);
}

TEST(SpectrumRun, EmptyPaneReportsAndLeavesCurvesEmpty)
{
    auto form = MakeForm();
    RunSpectrum(*form, kFourSamples, "1", "4");
    form->SetPanelText(3, "earlier");
    RunSpectrum(*form, "", "1", "4");
    EXPECT_EQ(form->PanelText(2), Cp("Данные: ошибка в строке 1 в позиции 0"));
    EXPECT_EQ(form->PanelText(1), Cp("Среднее: 0 / 0"));
    EXPECT_EQ(form->PanelText(3), "earlier");
    EXPECT_EQ(form->Series2->PointCount(), 0);
    EXPECT_EQ(form->Series1->PointCount(), 0);
}

TEST(SpectrumRun, ScaleZeroEndsInTheFirstSum)
{
    auto form = MakeForm();
    form->CheckBoxH0->setChecked(false);
    RunSpectrum(*form, kFourSamples, "0", "4");
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text, "Invalid floating point operation.");
    EXPECT_EQ(YValues(*form->Series2), (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(form->Series1->PointCount(), 0);
    EXPECT_THAT(form->PanelText(3), testing::MatchesRegex("[0-9]+   [0-9]+"));
    EXPECT_TRUE(form->State.DataReady);
}

TEST(SpectrumRun, SecondRunWithoutEditsDoesNotParseAgain)
{
    auto form = MakeForm();
    RunSpectrum(*form, kFourSamples, "100", "3");
    const std::vector<double> data = YValues(*form->Series2), spectrum = YValues(*form->Series1);
    EXPECT_FALSE(form->State.DataDirty);
    form->SetPanelText(2, "kept"); // a parse would empty it
    form->ButtonDataRefresh->click();
    EXPECT_EQ(form->PanelText(2), "kept");
    EXPECT_EQ(YValues(*form->Series2), data);
    EXPECT_EQ(YValues(*form->Series1), spectrum);
}

TEST(SpectrumRun, ClearsTheCorrelationButNotThePattern)
{
    auto form = MakeForm();
    RunSpectrum(*form, kFourSamples, "100", "3");
    PlotPattern(*form, Lines({"1", "2"}));
    form->ButtonStartAutoKor->click();
    ASSERT_GT(form->Series3->PointCount(), 0);
    form->ButtonDataRefresh->click();
    EXPECT_EQ(form->Series3->PointCount(), 0);
    EXPECT_EQ(form->Series4->PointCount(), 2);
}

TEST(XAxisSwitch, FixesAndRestoresTheDataAxis)
{
    auto form = MakeForm();
    TAxis& axis = form->ChartF->BottomAxis();
    form->CheckBoxAutoX->setChecked(false);
    SetEdit(form->EditMaxX, "100");
    form->ButtonXAxis->click();
    EXPECT_FALSE(axis.Automatic());
    EXPECT_EQ(axis.Maximum(), 100.0);
    form->CheckBoxAutoX->setChecked(true);
    form->ButtonXAxis->click();
    EXPECT_TRUE(axis.Automatic());
    EXPECT_TRUE(form->ChartSpectr->BottomAxis().Automatic());
}
