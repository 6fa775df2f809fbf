#pragma once
// A read-only view of a value list's values, whatever their storage: for
// the loops that walk millions of them (painting, export) without the list's
// per-value index check.
#include <cstddef>
#include <cstdint>

class TValueSpan {
public:
    // The least and the greatest of a run of BlockLength values (both NaN
    // when the run holds a NaN): a walk through millions of values can pass
    // a run whole when both ends of its range are known to change nothing.
    static constexpr int BlockLength = 64;
    struct TBlock {
        double Low, High;
    };

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
    // Block k holds values k x BlockLength onwards; null when not worked out.
    const TBlock* Blocks() const { return blocks_; }
    TValueSpan WithBlocks(const TBlock* blocks) const
    {
        TValueSpan s = *this;
        s.blocks_ = blocks;
        return s;
    }

private:
    TValueSpan(const double* d, const int32_t* w, int count) : doubles_(d), wholes_(w), count_(count) { }
    const double* doubles_ = nullptr;
    const int32_t* wholes_ = nullptr;
    const TBlock* blocks_ = nullptr;
    int count_ = 0;
};
