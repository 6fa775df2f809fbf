#pragma once
// A read-only view of a value list's values, whatever their storage: for
// the loops that walk millions of them (painting, export) without the list's
// per-value index check.
#include <cstddef>
#include <cstdint>

class TValueSpan {
public:
    TValueSpan() = default;
    // Values 0, 1, ..., count - 1, stored nowhere.
    static TValueSpan Indexes(int count) { return TValueSpan(nullptr, nullptr, count); }
    static TValueSpan Wholes(const int32_t* values, int count) { return TValueSpan(nullptr, values, count); }
    static TValueSpan Doubles(const double* values, int count) { return TValueSpan(values, nullptr, count); }

    size_t size() const { return size_t(count_); }
    // Unchecked.
    double operator[](int64_t i) const
    {
        if (doubles_)
            return doubles_[i];
        if (wholes_)
            return double(wholes_[i]);
        return double(i);
    }
    // Values from .. from + count - 1 into out.
    void CopyTo(int from, int count, double* out) const;
    // The stored doubles, or null when the values are kept another way.
    const double* Doubles() const { return doubles_; }
    // Where the values lie, or null for indexes: with the list's identity and
    // change count it tells whether two views show the same values.
    const void* Address() const { return doubles_ ? static_cast<const void*>(doubles_) : wholes_; }

private:
    TValueSpan(const double* d, const int32_t* w, int count) : doubles_(d), wholes_(w), count_(count) { }
    const double* doubles_ = nullptr;
    const int32_t* wholes_ = nullptr;
    int count_ = 0;
};
