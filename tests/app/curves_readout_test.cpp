// Curve toggles and the point read-out on the real window.
#include "window_run_support.h"

#include "chart/paint/plot.h"

#include <QCheckBox>
#include <gtest/gtest.h>

namespace {

bool Shown(TLineSeries& s)
{
    EXPECT_EQ(s.LinePen().Style() == psSolid, s.Pointer().Visible());
    return s.LinePen().Style() == psSolid && s.Pointer().Visible();
}

} // namespace

TEST(CurveToggles, EachBoxHidesAndShowsItsCurve)
{
    auto form = MakeForm();
    RunSpectrum(*form, Lines({"1", "2", "3"}));
    const struct {
        QCheckBox* box;
        TLineSeries* series;
    } pairs[] = {{form->CheckBoxViewF, form->Series2},
                 {form->CheckBoxViewPat, form->Series4},
                 {form->CheckBoxViewS, form->Series3},
                 {form->CheckBoxViewPatKor, form->Series3}};
    for (const auto& p : pairs) {
        ASSERT_TRUE(Shown(*p.series));
        p.box->setChecked(false);
        EXPECT_FALSE(Shown(*p.series));
        EXPECT_EQ(p.series->LinePen().Style(), psClear);
        EXPECT_TRUE(p.series->Active());
        p.box->setChecked(true);
        EXPECT_TRUE(Shown(*p.series));
    }
    EXPECT_EQ(form->Series2->PointCount(), 3); // points stay
}

TEST(CurveToggles, TheCorrelationBoxToggledLastDecides)
{
    auto form = MakeForm();
    form->CheckBoxViewS->setChecked(false);
    EXPECT_FALSE(Shown(*form->Series3));
    EXPECT_TRUE(form->CheckBoxViewPatKor->isChecked());
    form->CheckBoxViewPatKor->setChecked(false);
    form->CheckBoxViewPatKor->setChecked(true);
    EXPECT_TRUE(Shown(*form->Series3));
    EXPECT_FALSE(form->CheckBoxViewS->isChecked());
}

TEST(CurveToggles, AHiddenPatternStaysHiddenWhenReplotted)
{
    auto form = MakeForm();
    form->CheckBoxViewPat->setChecked(false);
    PlotPattern(*form, Lines({"1", "2"}));
    EXPECT_EQ(form->Series4->PointCount(), 2);
    EXPECT_FALSE(Shown(*form->Series4));
}

TEST(PointReadOut, EachCurvesPointGoesToPanelAndHint)
{
    auto form = MakeForm();
    form->CheckBoxH0->setChecked(false);
    std::vector<std::string> samples(20, "3");
    samples[17] = "-0.45";
    RunSpectrum(*form, Lines(samples), "100");
    form->SetPanelText(2, Cp("Данные: ошибка")); // a read-out replaces any message
    form->Series2->OnClick(*form->Series2, 17, TPressButton::Right, 0, 0, 0);
    EXPECT_EQ(form->PanelText(2), "X: 17  Y:-45");
    EXPECT_EQ(form->ChartF->toolTip(), QString("X: 17  Y:-45"));

    // The correlation curve reads out its own values.
    RunSpectrum(*form, Lines({"0", "10", "20", "10", "0"}));
    SetEdit(form->EditWidthPattern, "2");
    form->ButtonStartAutoKor->click();
    form->Series3->OnClick(*form->Series3, 0, TPressButton::Left, 0, 0, 0);
    EXPECT_EQ(form->PanelText(2), "X: 0  Y:100");
    form->Series3->OnClick(*form->Series3, 2, TPressButton::Left, 0, 0, 0);
    EXPECT_EQ(form->PanelText(2), "X: 2  Y:-100");
    EXPECT_EQ(form->ChartF->toolTip(), QString("X: 2  Y:-100"));
}
