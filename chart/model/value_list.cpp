#include "chart/model/value_list.h"

#include "runtime/exceptions.h"

#include <algorithm>
#include <atomic>

unsigned long long TValueList::NewIdentity()
{
    static std::atomic<unsigned long long> last{0};
    return ++last;
}

double TValueList::ValueAt(int index) const
{
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return values_[size_t(index)];
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
            Append(value);
            return n;
        }
        while (i >= 0 && value < values_[size_t(i)])
            --i;
    } else {
        if (value < values_[size_t(i)]) {
            Append(value);
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
    const size_t at = size_t(index);
    const bool before = at > 0, after = at < values_.size();
    long long disorder = 0;
    if (before && after)
        disorder -= !(values_[at - 1] <= values_[at]);
    if (before)
        disorder += !(values_[at - 1] <= value);
    if (after)
        disorder += !(value <= values_[at]);
    // Counted once the value is in: an insertion that throws changes nothing.
    values_.insert(values_.begin() + index, value);
    disorder_ += disorder;
    nans_ += value != value;
    Changed();
}

void TValueList::Clear()
{
    values_.clear();
    disorder_ = nans_ = 0;
    Changed();
}

int TValueList::LowerBound(double v) const
{
    return int(std::lower_bound(values_.begin(), values_.end(), v) - values_.begin());
}

void TValueList::Refresh() const
{
    if (!dirty_)
        return;
    dirty_ = false;
    ++passes_;
    if (values_.empty()) {
        min_ = max_ = 0;
        return;
    }
    double lo = values_[0], hi = lo;
    for (size_t i = 1; i < values_.size(); ++i) {
        const double v = values_[i];
        if (v < lo)
            lo = v;
        else if (v > hi)
            hi = v;
    }
    min_ = lo;
    max_ = hi;
}
