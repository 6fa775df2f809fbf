#pragma once
// One column of a series' points: 64-bit values stored unchanged, with
// lazily cached statistics.
#include <cstddef>
#include <vector>

enum TValueOrder { ordNone, ordAscending, ordDescending };

class TValueList {
public:
    explicit TValueList(TValueOrder order) : order_(order) { }

    TValueOrder Order() const { return order_; }

    int Count() const { return int(values_.size()); }
    // List-index error outside 0..Count()-1.
    double ValueAt(int index) const;
    // The stored values, unchecked, for the drawing loops.
    const std::vector<double>& Raw() const { return values_; }

    // Inserts by Order() and answers the index the value now stands at.
    int InsertOrdered(double value)
    {
        // Data added in ascending order appends: one comparison.
        if (order_ == ordAscending && !values_.empty() && !(value < values_.back())) {
            Append(value);
            return Count() - 1;
        }
        return InsertOrderedScan(value);
    }
    void InsertAt(int index, double value);
    void Append(double value)
    {
        if (!values_.empty())
            disorder_ += !(values_.back() <= value);
        nans_ += value != value;
        values_.push_back(value);
        Changed();
    }
    void Reserve(int count)
    {
        if (count > 0)
            values_.reserve(size_t(count));
    }
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

private:
    void Changed()
    {
        dirty_ = true;
        ++changes_;
    }
    int InsertOrderedScan(double value);
    void Refresh() const;

    TValueOrder order_;
    std::vector<double> values_;
    mutable bool dirty_ = true;
    mutable double min_ = 0, max_ = 0;
    mutable int passes_ = 0;
    unsigned long long changes_ = 0;
    unsigned long long identity_ = NewIdentity();
    static unsigned long long NewIdentity();
    // Neighbours out of order (or either one NaN), and NaN values.
    long long disorder_ = 0, nans_ = 0;
};
