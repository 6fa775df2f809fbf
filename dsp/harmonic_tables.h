#pragma once
// The table build of a spectrum run: the angle step, the plan of every
// harmonic's rows (harmonic_rows.h) and the refusal of a run the machine
// cannot hold. The entries themselves are made block by block while they are
// summed (harmonic_sums.h).
#include "dsp/tdft.h"

class TProgress;

// Memory a spectrum run takes per harmonic besides the buffers: its row plan
// (48 bytes), its sums (32) and each core's partial sums (64), its point and
// label (40), and the spectrum chart's copy of it (X, Y, a label string:
// about 72, up to 96 more while the chart's lists grow): 352, counted as 400.
inline constexpr uint64_t kBytesPerHarmonic = 400;

// Memory a spectrum run takes per sample beyond the sample buffer: its code
// (4 bytes, in DataCodes) and the data curve's copy of it (a 32-bit Y, 4; X is
// the index and kept nowhere; a quarter byte for the ranges the painter
// keeps): 8.25, counted as 9.
inline constexpr uint64_t kBytesPerSample = 9;

// Sets AngleStep := 2 pi / N (extended division, stored in 64 bits), plans
// the HarmonicCount rows into Rows, sizes SinTable and CosTable for one block
// per core, forgets the last sums and leaves Angle at the angle of the last
// entry. The progress maximum is the harmonic count, the position follows the
// row being planned and is 0 at the end; a stop asked through it ends the
// planning with ERunStopped.
//
// Refuses the run, with the buffers' growth error and before any row is
// planned (the progress then keeps its position), when what it will take
// does not fit beside the buffers within their growth limit: its harmonics
// (kBytesPerHarmonic each), its samples (kBytesPerSample each, less the codes
// DataCodes already has room for) and the two table blocks. Its length alone
// never refuses it: the entries are made block by block, so K x N costs time,
// not memory.
void BuildHarmonicTables(TDFT& dft, TProgress& progress);

// The angle of entry (k, n): the exact integer n x k times AngleStep in
// extended precision, rounded to 64 bits.
inline double TableAngle(int64_t nk, double angleStep)
{
    return double(static_cast<long double>(nk) * static_cast<long double>(angleStep));
}
