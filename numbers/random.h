#pragma once
// The test-data generator's pseudo-random numbers: a 32-bit linear
// congruential state (multiplier 134775813 = 0x08088405, increment 1, modulus
// 2^32, full period) and a multiply-shift draw. A given seed always yields
// the same sequence.
#include <cstdint>

// The state; 0 at program start, set by SeedFromClock or directly by tests.
extern uint32_t GeneratorSeed;

// GeneratorSeed := the low 32 bits of the steady high-resolution clock, so
// that runs started at different moments draw different numbers.
void SeedFromClock();

// Advances the state, then returns floor(n * state / 2^32) with n taken as
// unsigned 32 bits: 0 ... n - 1 for n >= 1.
int32_t RandomBelow(int32_t n);
