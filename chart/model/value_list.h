#pragma once
// One column of a series' points: 64-bit values read back unchanged, with
// lazily cached statistics.
//
// The values are kept as narrowly as they allow, which the readers never
// see: a list of the indexes 0, 1, 2, ... (the X of a curve drawn at every
// index) keeps none, a list of whole numbers within 32 bits (codes,
// percentages) keeps them as such, anything else as doubles. The first value
// the narrower storage cannot hold moves the list to the wider one.
#include "chart/model/value_span.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

enum TValueOrder { ordNone, ordAscending, ordDescending };

class TValueList {
public:
    explicit TValueList(TValueOrder order) : order_(order) { }

    TValueOrder Order() const { return order_; }

    int Count() const { return count_; }
    // List-index error outside 0..Count()-1.
    double ValueAt(int index) const;
    // The values, unchecked, for the drawing and export loops.
    TValueSpan Span() const;
    // The same with the ranges of its blocks, worked out on the first call
    // after a change and kept until the next: every zoom step of a dense
    // curve walks them instead of the values they sum up.
    TValueSpan SpanWithBlocks() const;

    // Inserts by Order() and answers the index the value now stands at.
    int InsertOrdered(double value)
    {
        // Data added in ascending order appends: one comparison.
        if (order_ == ordAscending && count_ > 0 && !(value < At(count_ - 1))) {
            Append(value);
            return Count() - 1;
        }
        return InsertOrderedScan(value);
    }
    void InsertAt(int index, double value);
    void Append(double value)
    {
        if (kind_ == TKind::Indexes && IsNextIndex(value)) {
            ++count_;
            Changed();
            return;
        }
        AppendStored(value);
    }
    // Replaces the values by the whole numbers given, taking their storage.
    void SetWholes(std::vector<int32_t> values);
    // The same as a copy into the storage the list has already.
    void SetWholes(std::span<const int32_t> values);
    // Replaces the values by 0, 1, ..., count - 1.
    void SetIndexes(int count);
    void Reserve(int count);
    // Keeps the storage: a series refilled with as many points does not
    // allocate again.
    void Clear();

    // Statistics over the values; both 0 for an empty list.
    double Minimum() const
    {
        Refresh();
        return min_;
    }
    double Maximum() const
    {
        Refresh();
        return max_;
    }
    // How many times the statistics were recomputed (tests and benchmarks).
    int StatisticsPasses() const { return passes_; }

    // First index whose value is >= v in an ascending list; Count() when there
    // is none.
    int LowerBound(double v) const;

    // True when every value is a number and none is below the one before it,
    // whatever Order() says; kept up to date at every change, so a paint can
    // ask it of ten million values for nothing.
    bool NonDecreasing() const { return disorder_ == 0 && nans_ == 0; }

    // Counts every change of the values, so that what was worked out from
    // them can tell it is out of date.
    unsigned long long Changes() const { return changes_; }
    // A number no other list of the process had, so that a list made where
    // a deleted one stood is never taken for it.
    unsigned long long Identity() const { return identity_; }

    // Bytes held for the values (tests of the storage).
    size_t StoredBytes() const
    {
        return wholes_.capacity() * sizeof(int32_t) + doubles_.capacity() * sizeof(double);
    }

private:
    enum class TKind { Indexes, Wholes, Doubles };

    bool IsNextIndex(double value) const;
    static bool IsWhole(double value);
    double At(int i) const
    {
        return kind_ == TKind::Doubles ? doubles_[size_t(i)]
            : kind_ == TKind::Wholes   ? double(wholes_[size_t(i)])
                                       : double(i);
    }
    void AppendStored(double value);
    // After wholes_ received new values.
    void TookWholes();
    // Moves the values to storage that can also hold `value`.
    void Widen(double value);
    void Changed()
    {
        dirty_ = true;
        ++changes_;
    }
    int InsertOrderedScan(double value);
    void Refresh() const;

    TValueOrder order_;
    TKind kind_ = TKind::Indexes;
    int count_ = 0;
    int reserved_ = 0; // asked for by Reserve, for whichever storage comes
    std::vector<int32_t> wholes_;
    std::vector<double> doubles_;
    mutable std::vector<TValueSpan::TBlock> blocks_;
    mutable unsigned long long blocksChanges_ = 0; // changes_ when blocks_ was worked out
    mutable bool dirty_ = true;
    mutable double min_ = 0, max_ = 0;
    mutable int passes_ = 0;
    unsigned long long changes_ = 0;
    unsigned long long identity_ = NewIdentity();
    static unsigned long long NewIdentity();
    // Neighbours out of order (or either one NaN), and NaN values.
    long long disorder_ = 0, nans_ = 0;
};
