#pragma once
// One column of a series' points: 64-bit values stored unchanged, read through
// the multiplier, with lazily cached statistics.
#include <cstdint>
#include <string>
#include <vector>

enum TValueOrder { ordNone, ordAscending, ordDescending };

class TValueList {
public:
    TValueList(std::string name, TValueOrder order) : Name(std::move(name)), order_(order) {}

    std::string Name;
    bool DateTime = false;

    TValueOrder Order() const { return order_; }
    void SetOrder(TValueOrder order) { order_ = order; }
    double Multiplier() const { return multiplier_; }
    void SetMultiplier(double m) { multiplier_ = m; dirty_ = true; }

    int Count() const { return int(values_.size()); }
    // Stored value times the multiplier; list-index error outside 0..Count()-1.
    double ValueAt(int index) const;
    // Unchecked read of the stored value (no multiplier), for the drawing loops.
    double RawAt(int index) const { return values_[size_t(index)]; }
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
    void Append(double value) { values_.push_back(value); dirty_ = true; }
    void SetValue(int index, double value);
    void Delete(int index);
    // Keeps the storage: a series refilled with as many points does not
    // allocate again.
    void Clear();

    // Statistics over ValueAt; all 0 for an empty list.
    double MinValue() const { Refresh(); return min_; }
    double MaxValue() const { Refresh(); return max_; }
    double Total() const { Refresh(); return total_; }
    double TotalAbs() const { Refresh(); return totalAbs_; }
    // How many times the statistics were recomputed (tests and benchmarks).
    int StatisticsPasses() const { return passes_; }

    // First index whose value (times multiplier) is >= v in an ascending list;
    // Count() when there is none.
    int LowerBound(double v) const;

private:
    int InsertOrderedScan(double value);
    void Refresh() const;

    TValueOrder order_;
    double multiplier_ = 1.0;
    std::vector<double> values_;
    mutable bool dirty_ = true;
    mutable double min_ = 0, max_ = 0, total_ = 0, totalAbs_ = 0;
    mutable int passes_ = 0;
};
