#include "chart/value_list.h"

#include "runtime/exceptions.h"

#include <algorithm>
#include <cmath>

double TValueList::ValueAt(int index) const
{
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return double((long double)values_[size_t(index)] * multiplier_);
}

int TValueList::InsertOrderedScan(double value)
{
    const int n = Count();
    if (order_ == ordNone || n == 0) {
        Append(value);
        return n;
    }
    // The backward scan stops at the first comparison for data added in order,
    // so appending stays constant time; equal values go after the existing ones.
    int i = n - 1;
    if (order_ == ordAscending) {
        if (!(value < values_[size_t(i)])) {
            values_.push_back(value);
            dirty_ = true;
            return n;
        }
        while (i >= 0 && value < values_[size_t(i)])
            --i;
    } else {
        if (value < values_[size_t(i)]) {
            values_.push_back(value);
            dirty_ = true;
            return n;
        }
        while (i >= 0 && value >= values_[size_t(i)])
            --i;
    }
    InsertAt(i + 1, value);
    return i + 1;
}

void TValueList::InsertAt(int index, double value)
{
    if (index < 0 || index > Count())
        RaiseListIndexError(index);
    values_.insert(values_.begin() + index, value);
    dirty_ = true;
}

void TValueList::SetValue(int index, double value)
{
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    values_[size_t(index)] = value;
    dirty_ = true;
}

void TValueList::Delete(int index)
{
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    values_.erase(values_.begin() + index);
    dirty_ = true;
}

void TValueList::Clear()
{
    values_.clear();
    dirty_ = true;
}

int TValueList::LowerBound(double v) const
{
    if (multiplier_ == 1.0)
        return int(std::lower_bound(values_.begin(), values_.end(), v) - values_.begin());
    int lo = 0, hi = Count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if ((long double)values_[size_t(mid)] * multiplier_ < v)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

void TValueList::Refresh() const
{
    if (!dirty_)
        return;
    dirty_ = false;
    ++passes_;
    if (values_.empty()) {
        min_ = max_ = total_ = totalAbs_ = 0;
        return;
    }
    const long double m = multiplier_;
    double lo = double(values_[0] * m);
    double hi = lo;
    // The totals are 64-bit fields: each extended sum is stored back to double.
    double total = lo, totalAbs = std::fabs(lo);
    for (size_t i = 1; i < values_.size(); ++i) {
        const double v = double(values_[i] * m);
        if (v < lo)
            lo = v;
        else if (v > hi)
            hi = v;
        total = double((long double)total + v);
        totalAbs = double((long double)totalAbs + std::fabs(v));
    }
    min_ = lo;
    max_ = hi;
    total_ = total;
    totalAbs_ = totalAbs;
}
