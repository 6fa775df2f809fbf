#include "chart/value_list.h"

#include "runtime/exceptions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<double> Contents(const TValueList& l)
{
    std::vector<double> v;
    for (int i = 0; i < l.Count(); ++i)
        v.push_back(l.ValueAt(i));
    return v;
}

struct InsertCase {
    TValueOrder order;
    std::vector<double> existing;
    double value;
    int expectedIndex;
};

class OrderedInsertion : public ::testing::TestWithParam<InsertCase> {};

TEST_P(OrderedInsertion, PlacesValueByOrderAndKeepsEqualOnesInAdditionOrder)
{
    const InsertCase& c = GetParam();
    TValueList list("X", c.order);
    for (double v : c.existing)
        list.InsertAt(list.Count(), v);
    EXPECT_EQ(list.InsertOrdered(c.value), c.expectedIndex);
    std::vector<double> expected = c.existing;
    expected.insert(expected.begin() + c.expectedIndex, c.value);
    EXPECT_EQ(Contents(list), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, OrderedInsertion,
    ::testing::Values(InsertCase{ordAscending, {}, 3, 0}, InsertCase{ordAscending, {0, 5, 10}, 5, 2},
                      InsertCase{ordAscending, {0, 5, 10}, -1, 0}, InsertCase{ordAscending, {0, 5, 10}, 10, 3},
                      InsertCase{ordAscending, {0, 5, 10}, 7, 2}, InsertCase{ordAscending, {5, 5, 5}, 5, 3},
                      InsertCase{ordNone, {9, 1, 4}, 0, 3}, InsertCase{ordDescending, {10, 5, 0}, -3, 3},
                      InsertCase{ordDescending, {10, 5, 0}, 5, 1}, InsertCase{ordDescending, {10, 5, 0}, 20, 0}));

TEST(ValueListStatistics, EmptyListReadsZeroEverywhere)
{
    TValueList list("Y", ordNone);
    EXPECT_EQ(list.MinValue(), 0);
    EXPECT_EQ(list.MaxValue(), 0);
    EXPECT_EQ(list.Total(), 0);
    EXPECT_EQ(list.TotalAbs(), 0);
}

TEST(ValueListStatistics, MatchesADirectScanAndIsRecomputedOnlyAfterChanges)
{
    TValueList list("Y", ordNone);
    const std::vector<double> values{3, -7.5, 12, 0.25, -1, 12};
    for (double v : values)
        list.InsertOrdered(v);
    double lo = values[0], hi = values[0], total = 0, abs = 0;
    for (double v : values) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
        total += v;
        abs += std::fabs(v);
    }
    EXPECT_EQ(list.MinValue(), lo);
    EXPECT_EQ(list.MaxValue(), hi);
    EXPECT_DOUBLE_EQ(list.Total(), total);
    EXPECT_DOUBLE_EQ(list.TotalAbs(), abs);
    const int passes = list.StatisticsPasses();
    list.MaxValue();
    list.Total();
    EXPECT_EQ(list.StatisticsPasses(), passes) << "reading again must not rescan";

    list.SetValue(1, -20);
    EXPECT_EQ(list.MinValue(), -20);
    EXPECT_EQ(list.StatisticsPasses(), passes + 1);
    list.Delete(1);
    EXPECT_EQ(list.MinValue(), -1);
    list.Clear();
    EXPECT_EQ(list.MaxValue(), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ValueListMultiplier, AppliesOnReadNotOnStore)
{
    TValueList list("Y", ordNone);
    list.InsertOrdered(2);
    list.InsertOrdered(-3);
    EXPECT_EQ(list.MaxValue(), 2);
    list.SetMultiplier(10);
    EXPECT_EQ(list.ValueAt(0), 20);
    EXPECT_EQ(list.RawAt(0), 2);
    EXPECT_EQ(list.MinValue(), -30) << "a multiplier change invalidates the statistics";
    EXPECT_EQ(list.MaxValue(), 20);
}

TEST(ValueListErrors, IndexOutsideRaisesListIndexError)
{
    TValueList list("X", ordAscending);
    list.InsertOrdered(1);
    EXPECT_THROW(list.ValueAt(1), EListError);
    EXPECT_THROW(list.ValueAt(-1), EListError);
    EXPECT_THROW(list.SetValue(2, 0), EListError);
    EXPECT_EQ(list.Count(), 1);
}

TEST(ValueListSearch, LowerBoundFindsFirstValueAtOrAbove)
{
    TValueList list("X", ordAscending);
    for (double v : {0.0, 1.0, 1.0, 2.0, 5.0})
        list.InsertOrdered(v);
    EXPECT_EQ(list.LowerBound(-1), 0);
    EXPECT_EQ(list.LowerBound(1), 1);
    EXPECT_EQ(list.LowerBound(1.5), 3);
    EXPECT_EQ(list.LowerBound(6), 5);
    list.SetMultiplier(2);
    EXPECT_EQ(list.LowerBound(3), 3) << "compares the values as read (2, 2, 4 ...)";
}

} // namespace
