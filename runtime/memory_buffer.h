#pragma once
// Growable in-memory byte buffer with a read/write position: the sample buffers,
// the data codes and the sine/cosine tables. Never shrinks; the number of valid
// elements always comes from a count held by the owner.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

class TMemoryBuffer {
public:
    TMemoryBuffer() = default;
    ~TMemoryBuffer();
    TMemoryBuffer(const TMemoryBuffer&) = delete;
    TMemoryBuffer& operator=(const TMemoryBuffer&) = delete;

    // Capacity grows in whole multiples of this many bytes.
    static constexpr size_t kGrowthStep = 8192;

    void Seek(int64_t offset); // absolute byte offset from the start
    int64_t Position() const { return position_; }
    int64_t Size() const { return size_; }
    size_t Capacity() const { return capacity_; }

    // Reads exactly n bytes or raises EReadError "Stream read error".
    void ReadBuffer(void* dest, size_t n);
    // Writes n bytes at the position, growing the buffer; raises EStreamError
    // "Out of memory while expanding memory stream" when it cannot grow.
    void WriteBuffer(const void* src, size_t n);

    template <class T>
    T Read()
    {
        T v;
        ReadBuffer(&v, sizeof v);
        return v;
    }
    // Inline for the common case, room at a position within the data: what
    // WriteBuffer does then, without its growth and gap handling.
    template <class T>
    void Write(const T& v)
    {
        if (position_ >= 0 && position_ <= size_ && capacity_ - size_t(position_) >= sizeof v) {
            std::memcpy(data_ + position_, &v, sizeof v);
            position_ += int64_t(sizeof v);
            if (position_ > size_)
                size_ = position_;
            return;
        }
        WriteBuffer(&v, sizeof v);
    }

    // The count elements of type T from element first on, as stored: what
    // reading them one by one would give, with the same "Stream read error"
    // when the buffer holds fewer.
    template <class T>
    std::span<const T> Elements(int64_t first, int64_t count) const
    {
        const int64_t stored = size_ / int64_t(sizeof(T));
        if (first < 0 || count < 0 || first > stored || count > stored - first)
            RaiseReadError();
        return {reinterpret_cast<const T*>(data_) + first, size_t(count)};
    }
    // Room for count elements of T from offset 0, for a writer that fills them
    // in place and then calls CommitElements; raises the growth error like a
    // write of that many bytes, before anything changes.
    template <class T>
    std::span<T> ElementsForWrite(int64_t count)
    {
        if (count < 0 || uint64_t(count) > uint64_t(INT64_MAX) / sizeof(T))
            RaiseGrowthError();
        Grow(uint64_t(count) * sizeof(T));
        return {reinterpret_cast<T*>(data_), size_t(count)};
    }
    // After count elements of T were written from offset 0: the size covers
    // them and the position stands after them, as after writing them.
    template <class T>
    void CommitElements(int64_t count)
    {
        const int64_t end = count * int64_t(sizeof(T));
        if (end > size_)
            size_ = end;
        position_ = end;
    }

    // The memory the machine can give a single buffer (physical memory); growth
    // beyond it is refused before allocating. Tests may lower it.
    static void SetGrowthLimit(uint64_t bytes);
    static uint64_t GrowthLimit();
    // Raises the growth error when bytes more than all buffers hold now would
    // exceed the limit: for a computation that asks, before it starts, for
    // memory it will take outside the buffers.
    static void RequireRoom(uint64_t bytes);

    // The buffers' two errors, for code that stands in for a buffer.
    [[noreturn]] static void RaiseReadError();
    [[noreturn]] static void RaiseGrowthError();

private:
    void Grow(uint64_t needed);

    uint8_t* data_ = nullptr;
    int64_t size_ = 0;
    int64_t position_ = 0;
    size_t capacity_ = 0;
};
