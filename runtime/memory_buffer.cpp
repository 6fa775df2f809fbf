#include "runtime/memory_buffer.h"

#include "runtime/exceptions.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <unistd.h>

namespace {

uint64_t PhysicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return uint64_t(1) << 40;
    return uint64_t(pages) * uint64_t(pageSize);
}

uint64_t& Limit()
{
    static uint64_t limit = PhysicalMemory();
    return limit;
}

// Capacity held by all buffers together: the limit bounds their sum, since the
// data, the codes and both tables live side by side. Atomic: the batch command
// works on two files at once.
std::atomic<uint64_t> g_totalCapacity = 0;

} // namespace

void TMemoryBuffer::RaiseGrowthError() { throw EStreamError("Out of memory while expanding memory stream"); }

void TMemoryBuffer::RaiseReadError() { throw EReadError("Stream read error"); }

void TMemoryBuffer::SetGrowthLimit(uint64_t bytes) { Limit() = bytes; }
uint64_t TMemoryBuffer::GrowthLimit() { return Limit(); }

void TMemoryBuffer::RequireRoom(uint64_t bytes)
{
    if (g_totalCapacity > Limit() || bytes > Limit() - g_totalCapacity)
        RaiseGrowthError();
}

TMemoryBuffer::~TMemoryBuffer()
{
    g_totalCapacity -= capacity_;
    std::free(data_);
}

void TMemoryBuffer::Seek(int64_t offset) { position_ = offset; }

void TMemoryBuffer::ReadBuffer(void* dest, size_t n)
{
    if (position_ < 0 || position_ > size_ || uint64_t(size_ - position_) < n)
        RaiseReadError();
    std::memcpy(dest, data_ + position_, n);
    position_ += int64_t(n);
}

void TMemoryBuffer::Grow(uint64_t needed)
{
    if (needed <= capacity_)
        return;
    // Round up to the growth step; refuse what the machine cannot hold, since on
    // Linux an over-committed allocation would only fail later, killing the process.
    const uint64_t rounded = (needed + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
    const uint64_t others = g_totalCapacity - capacity_;
    if (rounded < needed || rounded > Limit() || others > Limit() - rounded)
        RaiseGrowthError();
    // Grow geometrically so that appending stays linear overall.
    uint64_t target = std::max<uint64_t>(rounded, uint64_t(capacity_) + capacity_ / 2);
    target = (target + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
    if (target > Limit() - others)
        target = rounded;
    void* p = std::realloc(data_, size_t(target));
    if (!p)
        RaiseGrowthError();
    data_ = static_cast<uint8_t*>(p);
    g_totalCapacity += target - capacity_;
    capacity_ = size_t(target);
}

void TMemoryBuffer::WriteBuffer(const void* src, size_t n)
{
    if (n == 0)
        return;
    if (position_ < 0)
        throw EWriteError("Stream write error");
    const uint64_t end = uint64_t(position_) + n;
    if (end < n)
        RaiseGrowthError();
    Grow(end);
    // A position past the end leaves a gap; it keeps whatever the memory holds,
    // like the original buffer, but zero it so that reads are deterministic.
    if (position_ > size_)
        std::memset(data_ + size_, 0, size_t(position_ - size_));
    std::memcpy(data_ + position_, src, n);
    position_ = int64_t(end);
    if (position_ > size_)
        size_ = position_;
}
