#pragma once
// Exact integer dot products of 32-bit codes: no wrap-around at any length.
#include <cstdint>
#include <span>

__extension__ typedef __int128 WideInt;
__extension__ typedef unsigned __int128 WideUInt;

// Sum over i of a[i] x b[i] (b at least as long as a), exact. Sums at memory
// speed in 64 bits when the magnitudes prove that no partial sum can leave
// that range, and otherwise in 128 bits (|sum| < 2^31 x 2^31 x 2^31 always fits).
WideInt ExactDot(std::span<const int32_t> a, std::span<const int32_t> b);

// A wide integer in extended precision: exact up to 2^64 in magnitude, and
// rounded to the nearest 64-bit significand beyond.
long double WideToExtended(WideInt value);
