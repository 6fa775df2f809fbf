#include "chart/model/value_list.h"

#include "runtime/exceptions.h"

#include <bit>
#include <cmath>
#include <cstring>
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

// Whatever changes the values, and however the list keeps them, it reads
// back bit for bit as a plain vector given the same changes, and its order
// flag and statistics are what a scan of that vector gives.
TEST(ValueListModel, EveryChangeReadsBackAsAPlainVectorWould)
{
    const auto bits = [](double v) { return std::bit_cast<uint64_t>(v); };
    TValueList list(ordNone);
    std::vector<double> plain;
    EXPECT_TRUE(list.NonDecreasing()) << "empty";
    uint32_t seed = 7;
    // Index-like, whole, negative zero, fractions, NaN, just past 32 bits.
    const double pool[] = {1, 2, 2, 3, -1, std::nan(""), 5, 0, -0.0, 0.5, 2147483648.0, -2147483648.0};
    for (int step = 0; step < 6000; ++step) {
        seed = seed * 1103515245u + 12345u;
        const double value = (seed >> 12) % 3 == 0 ? double(plain.size()) : pool[(seed >> 16) % 12];
        const int kind = int(seed >> 27) % 16;
        if (kind == 0 && step % 5 == 0) {
            list.Clear();
            plain.clear();
        } else if (kind == 1 && step % 7 == 0) {
            std::vector<int32_t> wholes{4, -3, 4, 2147483647};
            wholes.resize(seed % 5);
            plain.assign(wholes.begin(), wholes.end());
            if (seed & 0x100)
                list.SetWholes(std::move(wholes));
            else
                list.SetWholes(std::span<const int32_t>(wholes));
        } else if (kind == 2 && step % 7 == 0) {
            list.SetIndexes(int(seed % 9));
            plain.resize(seed % 9);
            for (size_t i = 0; i < plain.size(); ++i)
                plain[i] = double(i);
        } else if (kind < 6) {
            const int at = int((seed >> 8) % unsigned(plain.size() + 1));
            list.InsertAt(at, value);
            plain.insert(plain.begin() + at, value);
        } else {
            list.Append(value);
            plain.push_back(value);
        }
        ASSERT_EQ(list.Count(), int(plain.size())) << "step " << step;
        const TValueSpan span = list.Span();
        ASSERT_EQ(span.size(), plain.size());
        bool ordered = true;
        double lo = plain.empty() ? 0 : plain[0], hi = lo;
        for (size_t i = 0; i < plain.size(); ++i) {
            ASSERT_EQ(bits(list.ValueAt(int(i))), bits(plain[i])) << "step " << step << ", value " << i;
            ASSERT_EQ(bits(span[int64_t(i)]), bits(plain[i])) << "step " << step << ", value " << i;
            ordered = ordered && !std::isnan(plain[i]) && (i == 0 || !(plain[i] < plain[i - 1]));
            if (plain[i] < lo)
                lo = plain[i];
            else if (plain[i] > hi)
                hi = plain[i];
        }
        ASSERT_EQ(list.NonDecreasing(), ordered) << "step " << step;
        ASSERT_EQ(bits(list.Minimum()), bits(lo)) << "step " << step;
        ASSERT_EQ(bits(list.Maximum()), bits(hi)) << "step " << step;
        if (!plain.empty()) {
            std::vector<double> copy(plain.size());
            span.CopyTo(0, int(plain.size()), copy.data());
            ASSERT_EQ(std::memcmp(copy.data(), plain.data(), plain.size() * sizeof(double)), 0);
        }
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

// A curve of ten thousand codes at the indexes keeps four bytes a point,
// and X none; the first value the narrow storage cannot hold widens it.
TEST(ValueListStorage, IndexesKeepNothingAndWholeNumbersFourBytes)
{
    TValueList xs(ordAscending), ys(ordNone);
    xs.Reserve(10000);
    ys.Reserve(10000);
    for (int i = 0; i < 10000; ++i) {
        xs.InsertOrdered(i);
        ys.Append((i * 37) % 2001 - 1000);
    }
    EXPECT_EQ(xs.StoredBytes(), 0u);
    EXPECT_EQ(ys.StoredBytes(), 10000 * sizeof(int32_t));
    EXPECT_EQ(ys.Span().Doubles(), nullptr);
    ys.Append(0.5);
    xs.InsertOrdered(10000.5);
    ASSERT_NE(ys.Span().Doubles(), nullptr);
    EXPECT_EQ(ys.ValueAt(10000), 0.5);
    EXPECT_EQ(ys.ValueAt(9999), (9999 * 37) % 2001 - 1000);
    EXPECT_EQ(xs.ValueAt(9999), 9999);
    EXPECT_EQ(ys.Maximum(), 1000);
    EXPECT_GE(xs.StoredBytes(), 10001 * sizeof(double));
}

} // namespace
