#pragma once
// Growable in-memory byte buffer with a read/write position: the sample buffers,
// the data codes and the sine/cosine tables. Never shrinks; the number of valid
// elements always comes from a count held by the owner.
#include <cstddef>
#include <cstdint>
#include <cstring>

class TMemoryBuffer {
public:
    TMemoryBuffer() = default;
    ~TMemoryBuffer();
    TMemoryBuffer(const TMemoryBuffer&) = delete;
    TMemoryBuffer& operator=(const TMemoryBuffer&) = delete;

    // Capacity grows in whole multiples of this many bytes.
    static constexpr size_t kGrowthStep = 8192;

    void Seek(int64_t offset);           // absolute byte offset from the start
    int64_t Position() const { return position_; }
    int64_t Size() const { return size_; }
    size_t Capacity() const { return capacity_; }

    // Reads exactly n bytes or raises EReadError "Stream read error".
    void ReadBuffer(void* dest, size_t n);
    // Writes n bytes at the position, growing the buffer; raises EStreamError
    // "Out of memory while expanding memory stream" when it cannot grow.
    void WriteBuffer(const void* src, size_t n);

    template <class T> T Read()
    {
        T v;
        ReadBuffer(&v, sizeof v);
        return v;
    }
    template <class T> void Write(const T& v) { WriteBuffer(&v, sizeof v); }

    // Makes room for n more bytes past the position without writing, so that a
    // bulk writer can fill Data() directly; raises the growth error like a write.
    void Reserve(int64_t endOffset);
    // Direct access for bulk readers and writers (valid up to Size()/Capacity()).
    uint8_t* Data() { return data_; }
    const uint8_t* Data() const { return data_; }
    // After filling Data() directly up to endOffset: extend Size and set the position.
    void CommitWrite(int64_t endOffset);

    // The memory the machine can give a single buffer (physical memory); growth
    // beyond it is refused before allocating. Tests may lower it.
    static void SetGrowthLimit(uint64_t bytes);
    static uint64_t GrowthLimit();

private:
    void Grow(uint64_t needed);

    uint8_t* data_ = nullptr;
    int64_t size_ = 0;
    int64_t position_ = 0;
    size_t capacity_ = 0;
};
