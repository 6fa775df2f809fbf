#include "chart/model/value_list.h"

#include "runtime/exceptions.h"
#include "runtime/parallel_work.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

unsigned long long TValueList::NewIdentity()
{
    static std::atomic<unsigned long long> last{0};
    return ++last;
}

bool TValueList::IsNextIndex(double value) const
{
    // -0.0 equals 0 but is another value; it is kept as a double.
    return value == double(count_) && !std::signbit(value);
}

bool TValueList::IsWhole(double value)
{
    return value >= -2147483648.0 && value <= 2147483647.0 && value == double(int32_t(value)) &&
        !(value == 0 && std::signbit(value));
}

double TValueList::ValueAt(int index) const
{
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return At(index);
}

TValueSpan TValueList::Span() const
{
    switch (kind_) {
    case TKind::Doubles:
        return TValueSpan::Doubles(doubles_.data(), count_);
    case TKind::Wholes:
        return TValueSpan::Wholes(wholes_.data(), count_);
    default:
        return TValueSpan::Indexes(count_);
    }
}

TValueSpan TValueList::SpanWithBlocks() const
{
    const TValueSpan span = Span();
    constexpr int length = TValueSpan::BlockLength;
    if (blocksChanges_ != changes_ || blocks_.size() != size_t((count_ + length - 1) / length)) {
        blocks_.resize(size_t((count_ + length - 1) / length));
        ForEachRange(int64_t(blocks_.size()), 4096, [&](int64_t begin, int64_t end) {
            for (int64_t k = begin; k < end; ++k) {
                const int from = int(k) * length, to = std::min(count_, from + length);
                double lo = span[from], hi = lo;
                bool nan = lo != lo;
                for (int i = from + 1; i < to; ++i) {
                    const double v = span[i];
                    nan |= v != v;
                    lo = v < lo ? v : lo;
                    hi = v > hi ? v : hi;
                }
                if (nan)
                    lo = hi = std::numeric_limits<double>::quiet_NaN();
                blocks_[size_t(k)] = {lo, hi};
            }
        });
        blocksChanges_ = changes_;
    }
    return span.WithBlocks(blocks_.data());
}

void TValueList::Widen(double value)
{
    const TKind to = kind_ == TKind::Indexes && IsWhole(value) ? TKind::Wholes : TKind::Doubles;
    const size_t room = size_t(std::max(reserved_, count_ + 1));
    if (to == TKind::Wholes) {
        wholes_.clear();
        wholes_.reserve(room);
        for (int i = 0; i < count_; ++i)
            wholes_.push_back(int32_t(i));
    } else {
        doubles_.clear();
        doubles_.reserve(room);
        for (int i = 0; i < count_; ++i)
            doubles_.push_back(At(i));
        // The narrower values are not needed again before Clear().
        std::vector<int32_t>().swap(wholes_);
    }
    kind_ = to;
}

void TValueList::AppendStored(double value)
{
    if (count_ > 0)
        disorder_ += !(At(count_ - 1) <= value);
    nans_ += value != value;
    if (kind_ == TKind::Indexes || (kind_ == TKind::Wholes && !IsWhole(value)))
        Widen(value);
    if (kind_ == TKind::Wholes)
        wholes_.push_back(int32_t(value));
    else
        doubles_.push_back(value);
    ++count_;
    Changed();
}

void TValueList::SetWholes(std::vector<int32_t> values)
{
    wholes_ = std::move(values);
    TookWholes();
}

void TValueList::SetWholes(std::span<const int32_t> values)
{
    wholes_.assign(values.begin(), values.end());
    TookWholes();
}

void TValueList::TookWholes()
{
    std::vector<double>().swap(doubles_);
    kind_ = TKind::Wholes;
    count_ = int(wholes_.size());
    long long disorder = 0;
    for (size_t i = 1; i < wholes_.size(); ++i)
        disorder += wholes_[i - 1] > wholes_[i];
    disorder_ = disorder;
    nans_ = 0;
    Changed();
}

void TValueList::SetIndexes(int count)
{
    Clear();
    count_ = count;
}

void TValueList::Reserve(int count)
{
    if (count <= 0)
        return;
    reserved_ = std::max(reserved_, count);
    if (kind_ == TKind::Wholes)
        wholes_.reserve(size_t(count));
    else if (kind_ == TKind::Doubles)
        doubles_.reserve(size_t(count));
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
        if (!(value < At(i))) {
            Append(value);
            return n;
        }
        while (i >= 0 && value < At(i))
            --i;
    } else {
        if (value < At(i)) {
            Append(value);
            return n;
        }
        while (i >= 0 && value >= At(i))
            --i;
    }
    InsertAt(i + 1, value);
    return i + 1;
}

void TValueList::InsertAt(int index, double value)
{
    if (index < 0 || index > Count())
        RaiseListIndexError(index);
    if (index == count_) {
        Append(value);
        return;
    }
    // The pair the value comes between is no longer neighbours.
    long long disorder = !(value <= At(index));
    if (index > 0)
        disorder += !(At(index - 1) <= value) - !(At(index - 1) <= At(index));
    // Counted once the value is in: an insertion that throws changes nothing.
    if (kind_ == TKind::Indexes || (kind_ == TKind::Wholes && !IsWhole(value)))
        Widen(value);
    if (kind_ == TKind::Wholes)
        wholes_.insert(wholes_.begin() + index, int32_t(value));
    else
        doubles_.insert(doubles_.begin() + index, value);
    ++count_;
    disorder_ += disorder;
    nans_ += value != value;
    Changed();
}

void TValueList::Clear()
{
    wholes_.clear();
    doubles_.clear();
    kind_ = TKind::Indexes;
    count_ = 0;
    disorder_ = nans_ = 0;
    Changed();
}

int TValueList::LowerBound(double v) const
{
    int lo = 0, hi = count_;
    while (lo < hi) {
        const int middle = lo + (hi - lo) / 2;
        if (At(middle) < v)
            lo = middle + 1;
        else
            hi = middle;
    }
    return lo;
}

void TValueList::Refresh() const
{
    if (!dirty_)
        return;
    dirty_ = false;
    ++passes_;
    if (count_ == 0) {
        min_ = max_ = 0;
        return;
    }
    if (kind_ == TKind::Indexes) {
        min_ = 0;
        max_ = count_ - 1;
        return;
    }
    if (kind_ == TKind::Wholes) {
        const auto [lo, hi] = std::minmax_element(wholes_.begin(), wholes_.end());
        min_ = *lo;
        max_ = *hi;
        return;
    }
    double lo = doubles_[0], hi = lo;
    for (size_t i = 1; i < doubles_.size(); ++i) {
        const double v = doubles_[i];
        if (v < lo)
            lo = v;
        else if (v > hi)
            hi = v;
    }
    min_ = lo;
    max_ = hi;
}
