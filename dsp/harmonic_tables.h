#pragma once
// The sine and cosine tables of the transform engine: K rows of N entries,
// row k holding Round(Sin(n k AngleStep) x A) and Round(Cos(...) x A).
#include "dsp/tdft.h"

class TProgress;

// Sets AngleStep := 2 pi / N (extended division, stored in 64 bits), fills
// SinTable and CosTable from offset 0 with HarmonicCount rows of SampleCount
// entries, and leaves Angle at the last angle computed. The progress maximum
// is the harmonic count, the position follows the row being built and is 0 at
// the end. Raises the buffer's growth error, before any entry is written, when
// the tables cannot be held; the progress then keeps its position.
void BuildHarmonicTables(TDFT& dft, TProgress& progress);

// The angle of entry (k, n): the exact integer n x k times AngleStep in
// extended precision, rounded to 64 bits.
inline double TableAngle(int64_t nk, double angleStep)
{
    return double(static_cast<long double>(nk) * static_cast<long double>(angleStep));
}
