#include "runtime/exceptions.h"
#include "runtime/memory_buffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

TEST(MemoryBuffer, ReadsBackWhatWasWrittenAndKeepsOlderBytesPastTheLastWrite)
{
    TMemoryBuffer b;
    for (int32_t v : {1, 2, 3, 4})
        b.Write(v);
    b.Seek(0);
    b.Write(int32_t(9)); // overwrite from 0, never truncate
    EXPECT_EQ(b.Size(), 16);
    b.Seek(0);
    std::vector<int32_t> got;
    for (int i = 0; i < 4; ++i)
        got.push_back(b.Read<int32_t>());
    EXPECT_EQ(got, (std::vector<int32_t>{9, 2, 3, 4}));
}

TEST(MemoryBuffer, ShortReadRaisesReadErrorAndLeavesThePosition)
{
    TMemoryBuffer b;
    b.Write(int32_t(7));
    b.Seek(2);
    try {
        b.Read<int32_t>();
        FAIL() << "a read past the end must fail";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    EXPECT_EQ(b.Position(), 2);
    b.Seek(-4); // before the start
    EXPECT_THROW(b.Read<int32_t>(), EReadError);
    TMemoryBuffer empty;
    EXPECT_THROW(empty.Read<double>(), EReadError);
}

TEST(MemoryBuffer, TypedViewsSeeTheStoredElementsOnly)
{
    TMemoryBuffer b;
    const std::span<int32_t> room = b.ElementsForWrite<int32_t>(3);
    room[0] = 5, room[1] = -6, room[2] = 7;
    b.CommitElements<int32_t>(3);
    EXPECT_EQ(b.Size(), 12);
    EXPECT_EQ(b.Position(), 12);
    const std::span<const int32_t> tail = b.Elements<int32_t>(1, 2);
    EXPECT_EQ(std::vector<int32_t>(tail.begin(), tail.end()), (std::vector<int32_t>{-6, 7}));
    EXPECT_TRUE(b.Elements<int32_t>(3, 0).empty());
    EXPECT_THROW(b.Elements<int32_t>(1, 3), EReadError); // one more than stored
    EXPECT_THROW(b.Elements<double>(1, 1), EReadError);  // 8 bytes from byte 8 of 12
    EXPECT_THROW(b.Elements<int32_t>(-1, 1), EReadError);
    EXPECT_THROW(b.ElementsForWrite<double>(INT64_MAX / 4), EStreamError);
}

TEST(MemoryBuffer, CapacityGrowsInWholeStepsOf8192Bytes)
{
    TMemoryBuffer b;
    b.Write(uint8_t(1));
    EXPECT_EQ(b.Capacity(), 8192u);
    std::vector<uint8_t> block(8192, 0xAB);
    b.WriteBuffer(block.data(), block.size());
    EXPECT_EQ(b.Size(), 8193);
    EXPECT_EQ(b.Capacity() % TMemoryBuffer::kGrowthStep, 0u);
    EXPECT_GE(b.Capacity(), 8193u);
}

TEST(MemoryBuffer, GrowthBeyondTheMachineIsRefusedBeforeAllocating)
{
    const uint64_t saved = TMemoryBuffer::GrowthLimit();
    TMemoryBuffer::SetGrowthLimit(64 * 1024);
    TMemoryBuffer a;
    TMemoryBuffer b;
    std::vector<uint8_t> block(40 * 1024, 1);
    a.WriteBuffer(block.data(), block.size());
    // The limit bounds all buffers together: the second one cannot take another 40 KiB.
    try {
        b.WriteBuffer(block.data(), block.size());
        FAIL() << "growth past the limit must fail";
    } catch (const EStreamError& e) {
        EXPECT_EQ(e.Message(), "Out of memory while expanding memory stream");
    }
    EXPECT_EQ(b.Size(), 0);
    a.Seek(0);
    EXPECT_EQ(a.Read<uint8_t>(), 1); // the first buffer is untouched
    TMemoryBuffer::SetGrowthLimit(saved);
}
