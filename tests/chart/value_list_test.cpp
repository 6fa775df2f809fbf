#include "chart/model/value_list.h"

#include "runtime/exceptions.h"

#include <cmath>
#include <cstdint>
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

class OrderedInsertion : public ::testing::TestWithParam<InsertCase> { };

TEST_P(OrderedInsertion, PlacesValueByOrderAndKeepsEqualOnesInAdditionOrder)
{
    const InsertCase& c = GetParam();
    TValueList list(c.order);
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
                      InsertCase{ordAscending, {0, 5, 10}, -1, 0},
                      InsertCase{ordAscending, {0, 5, 10}, 10, 3}, InsertCase{ordAscending, {0, 5, 10}, 7, 2},
                      InsertCase{ordAscending, {5, 5, 5}, 5, 3}, InsertCase{ordNone, {9, 1, 4}, 0, 3},
                      InsertCase{ordDescending, {10, 5, 0}, -3, 3},
                      InsertCase{ordDescending, {10, 5, 0}, 5, 1},
                      InsertCase{ordDescending, {10, 5, 0}, 20, 0}));

// Whatever changes the values, NonDecreasing answers what a scan of them would.
TEST(ValueListOrder, NonDecreasingFollowsEveryChange)
{
    const auto scanned = [](const std::vector<double>& v) {
        for (size_t i = 0; i < v.size(); ++i)
            if (std::isnan(v[i]) || (i > 0 && v[i] < v[i - 1]))
                return false;
        return true;
    };
    TValueList list(ordNone);
    EXPECT_TRUE(list.NonDecreasing()) << "empty";
    uint32_t seed = 7;
    const double pool[] = {1, 2, 2, 3, -1, std::nan(""), 5, 0};
    for (int step = 0; step < 3000; ++step) {
        seed = seed * 1103515245u + 12345u;
        const double value = pool[(seed >> 16) % 8];
        const int kind = int(seed >> 28) % 8;
        if (kind == 0 && step % 5 == 0)
            list.Clear();
        else if (kind < 4)
            list.InsertAt(int((seed >> 8) % unsigned(list.Count() + 1)), value);
        else if (kind < 7)
            list.Append(value);
        else
            list.InsertOrdered(value);
        ASSERT_EQ(list.NonDecreasing(), scanned(list.Raw())) << "step " << step;
    }
    TValueList ascending(ordAscending);
    for (double v : {3.0, 1.0, 2.0, 2.0, 0.0})
        ascending.InsertOrdered(v);
    EXPECT_TRUE(ascending.NonDecreasing()) << "kept in order by insertion";
    ascending.InsertOrdered(std::nan(""));
    EXPECT_FALSE(ascending.NonDecreasing()) << "a NaN is no number";
    TValueList single(ordNone);
    single.Append(std::nan(""));
    EXPECT_FALSE(single.NonDecreasing()) << "a lone NaN";
}

TEST(ValueListStatistics, ReadZeroWhenEmptyAndAreRecomputedOnlyAfterChanges)
{
    TValueList list(ordNone);
    EXPECT_EQ(list.Minimum(), 0);
    EXPECT_EQ(list.Maximum(), 0);
    for (double v : {3.0, -7.5, 12.0, 0.25, -1.0, 12.0})
        list.InsertOrdered(v);
    EXPECT_EQ(list.Minimum(), -7.5);
    EXPECT_EQ(list.Maximum(), 12);
    const int passes = list.StatisticsPasses();
    list.Maximum();
    list.Minimum();
    EXPECT_EQ(list.StatisticsPasses(), passes) << "reading again must not rescan";

    list.InsertAt(1, -20);
    EXPECT_EQ(list.Minimum(), -20);
    EXPECT_EQ(list.Maximum(), 12);
    EXPECT_EQ(list.StatisticsPasses(), passes + 1);
    list.Append(40);
    EXPECT_EQ(list.Maximum(), 40);
    list.Clear();
    EXPECT_EQ(list.Maximum(), 0);
    EXPECT_EQ(list.Minimum(), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ValueListErrors, IndexOutsideRaisesListIndexError)
{
    TValueList list(ordAscending);
    list.InsertOrdered(1);
    EXPECT_THROW(list.ValueAt(1), EListError);
    EXPECT_THROW(list.ValueAt(-1), EListError);
    EXPECT_THROW(list.InsertAt(2, 0), EListError);
    EXPECT_EQ(list.Count(), 1);
}

TEST(ValueListSearch, LowerBoundFindsFirstValueAtOrAbove)
{
    TValueList list(ordAscending);
    for (double v : {0.0, 1.0, 1.0, 2.0, 5.0})
        list.InsertOrdered(v);
    EXPECT_EQ(list.LowerBound(-1), 0);
    EXPECT_EQ(list.LowerBound(1), 1);
    EXPECT_EQ(list.LowerBound(1.5), 3);
    EXPECT_EQ(list.LowerBound(6), 5);
}

} // namespace
