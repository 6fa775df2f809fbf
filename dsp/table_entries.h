#pragma once
// Sine and cosine table entries: Round(Sin(angle) x A) and Round(Cos(angle) x A)
// with Sin and Cos the processor's extended-precision instructions, the
// product in extended precision and the low 32 bits of the rounded value kept.
//
// The entries are computed by a fast double-precision evaluation whose error
// against the processor's result has a proven bound; only an entry whose fast
// value lies within that bound of a rounding boundary (a half-integer) is
// evaluated directly, so every entry equals the direct evaluation bit for bit.
#include <cstdint>

// The direct evaluation of one entry pair, the reference for the fast path.
void DirectTableEntries(double angle, int32_t adcScale, int32_t& sinEntry, int32_t& cosEntry);

// Fills sinEntries[i], cosEntries[i] for angles[i], i < count.
void TableEntries(const double* angles, int count, int32_t adcScale, int32_t* sinEntries,
                  int32_t* cosEntries);

// Running total, on this thread, of the entries evaluated the direct way,
// those whose fast value lies near a boundary (for tests of the boundary
// handling).
int64_t DirectEvaluationCount();
