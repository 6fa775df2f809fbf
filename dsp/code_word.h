#pragma once
// The 32-bit code kept from a 64-bit rounded value: its low 32 bits, as the
// two's-complement store of the original keeps them.
#include <cstdint>

inline int32_t LowWord(int64_t value) { return int32_t(uint32_t(uint64_t(value))); }
