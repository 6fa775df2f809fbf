#pragma once
// Exact integer dot products of 32-bit codes: no wrap-around at any length.
#include <cstdint>
#include <span>

__extension__ typedef __int128 WideInt;
__extension__ typedef unsigned __int128 WideUInt;

// Sum over i of a[i] x b[i] (b at least as long as a), exact, for magnitudes
// the caller knows: |a[i]| <= maxAbsA and |b[i]| <= maxAbsB. Every partial sum
// is at most count x maxAbsA x maxAbsB in magnitude, and that bound picks the
// narrowest evaluation that cannot wrap: 32-bit lanes below 2^31, 64 bits
// below 2^63, otherwise 128 bits (|sum| < 2^31 x 2^31 x 2^31 always fits).
WideInt ExactDot(std::span<const int32_t> a, std::span<const int32_t> b, uint64_t maxAbsA, uint64_t maxAbsB);

// A wide integer in extended precision: exact up to 2^64 in magnitude, and
// rounded to the nearest 64-bit significand beyond.
long double WideToExtended(WideInt value);
