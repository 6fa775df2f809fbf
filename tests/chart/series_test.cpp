#include "chart/layout/point_series.h"
#include "chart/model/axis_panel.h"

#include "runtime/exceptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

class SeriesTest : public ::testing::Test {
protected:
    // Each point as X, Y, label and resolved colour, read through the series.
    std::vector<std::tuple<double, double, std::string, TWindowsColor>> Points() const
    {
        std::vector<std::tuple<double, double, std::string, TWindowsColor>> p;
        for (int i = 0; i < s->PointCount(); ++i)
            p.emplace_back(s->XValueAt(i), s->YValueAt(i), s->LabelAt(i), s->PointColorAt(i));
        return p;
    }
    TAxisPanel chart;
    TLineSeries* s = chart.AddSeries<TLineSeries>();
};

TEST_F(SeriesTest, MidInsertionKeepsAllFourListsParallel)
{
    s->SetSeriesColor(0x123456);
    EXPECT_EQ(s->AddPoint(0, 100, "a"), 0);
    EXPECT_EQ(s->AddPoint(5, 105, "b", 0x0000ff), 1);
    EXPECT_EQ(s->AddPoint(10, 110, "c"), 2);
    EXPECT_EQ(s->AddPoint(5, 999, "new", 0x00ff00), 2) << "equal X goes after the stored one";
    EXPECT_EQ(s->AddPoint(-1, 7), 0);
    // DefaultPointColor resolves to the series colour.
    const decltype(Points()) expected{{-1, 7, "", 0x123456u},
                                      {0, 100, "a", 0x123456u},
                                      {5, 105, "b", 0x0000ffu},
                                      {5, 999, "new", 0x00ff00u},
                                      {10, 110, "c", 0x123456u}};
    EXPECT_EQ(Points(), expected);
    EXPECT_FALSE(s->HasLabelAt(0));
}

TEST_F(SeriesTest, LabelsAndColoursPastTheEnd)
{
    s->SetSeriesColor(0x00aa00);
    s->AddPoint(0, 1);
    EXPECT_EQ(s->LabelAt(1), "");
    EXPECT_EQ(s->LabelAt(-5), "");
    EXPECT_EQ(s->PointColorAt(3), 0x00aa00u);
    EXPECT_FALSE(s->HasLabels());
    s->AddPoint(1, 2, "x");
    EXPECT_TRUE(s->HasLabels());
}

TEST_F(SeriesTest, ClearPointsEmptiesEverythingButLeavesAxesAlone)
{
    s->AddPoint(0, 5, "l", 0x0000ff);
    chart.BottomAxis().SetBothEnds(0, 50);
    s->ClearPoints();
    EXPECT_EQ(s->PointCount(), 0);
    EXPECT_EQ(s->XValues().Maximum(), 0);
    EXPECT_EQ(s->YValues().Minimum(), 0);
    EXPECT_EQ(s->LabelAt(0), "");
    EXPECT_TRUE(s->UniformColor());
    EXPECT_FALSE(chart.BottomAxis().Automatic());
    EXPECT_EQ(chart.BottomAxis().Maximum(), 50);
}

TEST(ChartSeriesList, SeriesAtChecksTheIndex)
{
    TAxisPanel chart;
    EXPECT_EQ(chart.SeriesTotal(), 0);
    TLineSeries* a = chart.AddSeries<TLineSeries>();
    TAreaSeries* b = chart.AddSeries<TAreaSeries>();
    EXPECT_EQ(chart.SeriesTotal(), 2);
    EXPECT_EQ(chart.SeriesAt(0), a);
    EXPECT_EQ(chart.SeriesAt(1), b);
    EXPECT_THAT([&] { chart.SeriesAt(2); },
                ::testing::ThrowsMessage<EListError>(::testing::StrEq("List index out of bounds (2)")));
    EXPECT_THROW(chart.SeriesAt(-1), EListError);
    EXPECT_TRUE(b->DrawArea);
    EXPECT_FALSE(a->DrawArea);
    EXPECT_FALSE(a->Pointer().Visible());
    EXPECT_FALSE(b->Pointer().Visible());
}

TEST_F(SeriesTest, OneRepaintRequestPerBurstAndNoneWhileSwitchedOffOrInactive)
{
    int requests = 0;
    chart.OnRepaintRequest = [&] { ++requests; };
    s->SetActive(false);
    chart.RepaintDone();
    const int beforeInactive = requests;
    s->AddPoint(1, 1);
    s->ClearPoints();
    EXPECT_EQ(requests, beforeInactive) << "an inactive series' points ask for nothing";
    s->SetActive(true);
    chart.RepaintDone();
    requests = 0;
    for (int i = 0; i < 1000; ++i)
        s->AddPoint(i, i);
    EXPECT_EQ(requests, 1);
    chart.RepaintDone();
    s->LinePen().SetStyle(psClear);
    EXPECT_EQ(requests, 2) << "pen changes ask for a repaint";
    chart.RepaintDone();
    s->Pointer().SetVisible(true);
    EXPECT_EQ(requests, 3);
    chart.RepaintDone();
    chart.LeftAxis().SetAutomatic(false);
    EXPECT_EQ(requests, 4) << "axis changes ask for a repaint";
    chart.RepaintDone();
    chart.RepaintOnChange = false;
    s->AddPoint(5000, 1);
    s->SetActive(false);
    EXPECT_EQ(requests, 4);
    EXPECT_FALSE(chart.RepaintPending());
}

TEST_F(SeriesTest, AxisBindingResolvesAndAssociates)
{
    TLineSeries* plain = s;
    TLineSeries* right = chart.AddSeries<TLineSeries>();
    right->SetVertAxis(bindRight);
    TAreaSeries* both = chart.AddSeries<TAreaSeries>();
    both->SetHorizAxis(bindBothHoriz);
    EXPECT_EQ(plain->ResolvedHorizAxis(), &chart.BottomAxis());
    EXPECT_EQ(plain->ResolvedVertAxis(), &chart.LeftAxis());
    EXPECT_EQ(right->ResolvedVertAxis(), &chart.RightAxis());
    EXPECT_FALSE(right->AssociatedWith(chart.LeftAxis()));
    EXPECT_EQ(both->ResolvedHorizAxis(), &chart.BottomAxis());
    EXPECT_TRUE(both->AssociatedWith(chart.TopAxis()));
    EXPECT_FALSE(plain->AssociatedWith(chart.TopAxis()));
}

} // namespace
